#include "platform/fs/FolderItem.h"
#include "platform/fs/Volumes.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Runs inside tests/support/with-fat-mount.sh, which loop-mounts a FAT image in a private
// mount namespace: a real volume that holds no user extended attributes.
namespace {

QByteArray fatDir() {
    return qgetenv("CLOAKSWITCH_FAT_DIR");
}

bool present(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

class FatVolumeItems : public ::testing::Test {
  protected:
    void SetUp() override {
        if (fatDir().isEmpty()) {
            if (!qgetenv("CLOAKSWITCH_NEEDS_FAT").isEmpty())
                FAIL() << "CLOAKSWITCH_FAT_DIR is not set";
            GTEST_SKIP() << "run through with-fat-mount.sh";
        }
        m_folder = fatDir() + "/items-" + QByteArray::number(::getpid());
        ASSERT_EQ(::mkdir(m_folder.constData(), 0755), 0);
    }
    void TearDown() override {
        if (!m_folder.isEmpty())
            FolderItem::fromPosixPath(m_folder)->deleteItem();
    }

    FolderItemPtr item(const QByteArray& name) const {
        return FolderItem::fromPosixPath(m_folder + "/" + name);
    }

    QByteArray m_folder;
};

TEST_F(FatVolumeItems, TheMountIsAVolumeOfItsOwn) {
    const auto volume = Volumes::forPath(fatDir());
    ASSERT_TRUE(volume);
    EXPECT_EQ(volume->mountPoint, fatDir());
    // Kernels without vfat mount the image through FUSE, or at worst use ramfs.
    EXPECT_TRUE(volume->fsType == "vfat" || volume->fsType == "fuse.fusefat" ||
                volume->fsType == "ramfs")
        << volume->fsType.constData();
    EXPECT_NE(volume->ref, Volumes::list().front().ref);
    EXPECT_TRUE(FolderItem::fromPosixPath(fatDir())->isVolumeRoot());
    EXPECT_EQ(item("x")->volumeRef(), volume->ref);
}

TEST_F(FatVolumeItems, CodesGoToTheCompanionWhichFollowsRenameAndDelete) {
    auto doc = item("doc.txt");
    ASSERT_TRUE(doc->writeText("hello"));
    ASSERT_TRUE(doc->setTypeCode("TEXT"));
    ASSERT_TRUE(doc->setVisible(false));
    ASSERT_TRUE(present(m_folder + "/._doc.txt"));
    EXPECT_EQ(item("doc.txt")->typeCode(), "TEXT");
    EXPECT_FALSE(item("doc.txt")->visible());

    // The listing tells each item whether its companion stands beside it.
    auto folder = FolderItem::fromPosixPath(m_folder);
    ASSERT_EQ(folder->count(), 2);
    for (int i = 1; i <= 2; ++i) {
        const auto listed = folder->item(i);
        if (listed->name() == "doc.txt") {
            EXPECT_EQ(listed->typeCode(), "TEXT");
        }
    }

    ASSERT_TRUE(doc->rename("renamed.txt"));
    EXPECT_FALSE(present(m_folder + "/._doc.txt"));
    EXPECT_EQ(item("renamed.txt")->typeCode(), "TEXT");
    ASSERT_TRUE(item("renamed.txt")->deleteItem());
    EXPECT_EQ(folder->count(), 0);
}

} // namespace
