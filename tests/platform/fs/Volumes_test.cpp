#include "platform/fs/MountTable.h"
#include "platform/fs/Volumes.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class TestTable : public ::testing::Test {
  protected:
    void TearDown() override { Volumes::setTestTable(std::nullopt); }
};

TEST_F(TestTable, ChangesAreSeenAtTheNextLookup) {
    TempDir tmp;
    const QByteArray a = tmp.folder("a"), b = tmp.folder("b");
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Alpha", a, 11}});
    ASSERT_EQ(Volumes::count(), 1);
    const auto file = FolderItem::fromPosixPath(tmp.file("b/x.txt"));
    EXPECT_EQ(file->volumeRef(), 0) << "not yet mounted";

    // mount
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Alpha", a, 11}, {"Beta", b, 12}});
    EXPECT_EQ(file->volumeRef(), 12);
    EXPECT_EQ(file->absolutePath(), "Beta:x.txt");
    EXPECT_EQ(Volumes::root(1)->name(), "Beta");

    // rename
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Alpha", a, 11}, {"Gamma", b, 12}});
    EXPECT_EQ(file->absolutePath(), "Gamma:x.txt");
    EXPECT_FALSE(Volumes::byName("Beta"));

    // eject: the item keeps its path but lies on no volume
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Alpha", a, 11}});
    EXPECT_EQ(file->volumeRef(), 0);
    EXPECT_FALSE(Volumes::byRef(12));
    EXPECT_TRUE(file->absolutePath().isEmpty());
    EXPECT_FALSE(Volumes::root(1));
}

TEST_F(TestTable, NestedVolumeWinsAndSharedNameFindsTheFirst) {
    TempDir tmp;
    const QByteArray outer = tmp.folder("outer"), inner = tmp.folder("outer/inner");
    const QByteArray other = tmp.folder("other");
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{
        {"Outer", outer, 1}, {"Inner", inner, 2}, {"Outer", other, 3}});
    EXPECT_EQ(Volumes::forPath(inner + "/f")->ref, 2);
    EXPECT_EQ(Volumes::forPath(outer + "/innerish")->ref, 1);
    EXPECT_EQ(Volumes::byName("Outer")->ref, 1);
    EXPECT_TRUE(Volumes::root(1)->isVolumeRoot());
    EXPECT_FALSE(Volumes::root(1)->parent());
}

TEST(RealVolumes, StartupVolumeFirstAndNoPseudoFileSystems) {
    const auto& volumes = Volumes::list();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front().mountPoint, "/");
    for (const Volume& v : volumes) {
        EXPECT_NE(v.ref, 0);
        EXPECT_NE(v.ref, -1);
        EXPECT_FALSE(v.name.isEmpty());
        for (const char* pseudo : {"proc", "sysfs", "cgroup", "cgroup2", "devpts", "devtmpfs"})
            EXPECT_NE(v.fsType, pseudo) << v.mountPoint.constData();
        for (const char* system : {"/proc", "/sys", "/dev"})
            EXPECT_FALSE(v.mountPoint.startsWith(system)) << v.mountPoint.constData();
    }
    EXPECT_EQ(Volumes::forPath("/")->ref, volumes.front().ref);
}

TEST(MountInfo, ParsesEscapesAndFiltersSystemMounts) {
    const QByteArray text = "21 27 0:20 / /proc rw,relatime - proc proc rw\n"
                            "30 27 0:6 / /dev rw - devtmpfs devtmpfs rw\n"
                            "31 22 0:28 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
                            "40 27 8:17 / /media/joe/My\\040Disk rw shared:5 - vfat /dev/sdb1 rw\n"
                            "27 1 254:0 / / rw - ext4 /dev/vda rw\n"
                            "41 27 0:50 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
                            "42 27 0:51 / /run/media/joe/USB rw - exfat /dev/sdc1 rw\n"
                            "43 27 0:52 / /run/user/1000 rw - tmpfs tmpfs rw\n"
                            "44 27 0:53 / /tmp rw - tmpfs tmpfs rw\n"
                            "garbage line\n"
                            "45 27 0:54 / /broken\n";
    const auto volumes = MountTable::volumesFrom(text);
    std::vector<QByteArray> points;
    for (const Volume& v : volumes)
        points.push_back(v.mountPoint);
    const std::vector<QByteArray> expected = {"/", "/media/joe/My Disk", "/run/media/joe/USB",
                                              "/tmp"};
    EXPECT_EQ(points, expected);
    ASSERT_EQ(volumes.size(), 4u);
    EXPECT_EQ(volumes[1].name, "My Disk");
    EXPECT_EQ(volumes[1].ref, 40);
    EXPECT_EQ(volumes[1].fsType, "vfat");
}

TEST(MountInfo, MountsOfSingleFilesAreNoVolumes) {
    TempDir tmp;
    const QByteArray file = tmp.file("resolv.conf", "x");
    const QByteArray text = "50 27 0:1 /etc/x " + file +
                            " rw - ext4 /dev/vda rw\n"
                            "51 27 0:1 / " +
                            tmp.path() + " rw - ext4 /dev/vdb rw\n";
    const auto volumes = MountTable::volumesFrom(text);
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].mountPoint, tmp.path());
}

} // namespace
