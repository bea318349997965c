#include "platform/fs/FolderItem.h"
#include "platform/fs/MountTable.h"
#include "platform/fs/Volumes.h"

#include "support/MountNamespace.h"
#include "support/TempDir.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

std::vector<QByteArray> mountPoints(const std::vector<Volume>& volumes) {
    std::vector<QByteArray> points;
    for (const Volume& v : volumes)
        points.push_back(v.mountPoint);
    return points;
}

bool listed(const QByteArray& mountPoint) {
    for (const Volume& v : Volumes::list()) {
        if (v.mountPoint == mountPoint)
            return true;
    }
    return false;
}

TEST(MountChanges, CoveredMountsAreNoVolumes) {
    // b was mounted first, then a over its parent folder: b can no longer be reached, nor
    // what is mounted inside it; what is mounted inside a is.
    const QByteArray text = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                            "30 1 8:17 / /media/a/b rw - ext4 /dev/sdb1 rw\n"
                            "31 1 8:33 / /media/a rw - ext4 /dev/sdc1 rw\n"
                            "32 31 8:49 / /media/a/c rw - ext4 /dev/sdd1 rw\n"
                            "33 30 8:65 / /media/a/b/d rw - ext4 /dev/sde1 rw\n"
                            "34 1 8:81 / /media/e rw - ext4 /dev/sdf1 rw\n"
                            "35 1 8:97 / /media/e rw - ext4 /dev/sdg1 rw\n";
    const auto volumes = MountTable::volumesFrom(text);
    const std::vector<QByteArray> expected = {"/", "/media/a", "/media/a/c", "/media/e"};
    EXPECT_EQ(mountPoints(volumes), expected);
    ASSERT_EQ(volumes.size(), 4u);
    EXPECT_EQ(volumes[3].ref, 35);
}

TEST(MountChanges, CoveredMountIsLeftOutOfTheRealList) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    const QByteArray outer = tmp.folder("outer");
    const QByteArray inner = tmp.folder("outer/inner");
    MountNamespace::Mount first, second;
    ASSERT_TRUE(first.tmpfs(inner, "size=1m"));
    ASSERT_TRUE(second.tmpfs(outer, "size=1m"));
    ASSERT_EQ(::mkdir(inner.constData(), 0755), 0); // a plain folder of the new mount
    for (int i = 0; i < 50 && !listed(outer); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(listed(outer));
    EXPECT_FALSE(listed(inner));
    EXPECT_FALSE(FolderItem::fromPosixPath(inner)->isVolumeRoot());
    EXPECT_EQ(Volumes::forPath(inner + "/x")->mountPoint, outer);
}

// A mount made between taking the change signal and reading the table is either in the
// text or signalled again; it is never lost.
TEST(MountChanges, AMountMadeWhileReadingIsNotMissed) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    const QByteArray point = tmp.folder("late");
    MountNamespace::Mount late;
    MountTable::Watch watch;
    watch.read();
    const QByteArray text = watch.read([&] { ASSERT_TRUE(late.tmpfs(point, "size=1m")); });
    EXPECT_TRUE(text.contains(" " + point + " ") || watch.changed());
}

} // namespace
