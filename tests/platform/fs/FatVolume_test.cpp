#include "platform/fs/FinderInfoStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

// Run by tests/support/with-fat-mount.sh, which mounts a file system without extended
// attributes and names it in CLOAKSWITCH_FAT_DIR.
namespace {

class FatVolume : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray root = qgetenv("CLOAKSWITCH_FAT_DIR");
        if (root.isEmpty()) {
            if (qgetenv("CLOAKSWITCH_NEEDS_FAT") == "1")
                FAIL() << "CLOAKSWITCH_FAT_DIR is not set";
            GTEST_SKIP() << "runs under tests/support/with-fat-mount.sh";
        }
        const QByteArray saved = qgetenv("CLOAKSWITCH_TEST_ROOT");
        qputenv("CLOAKSWITCH_TEST_ROOT", root);
        m_dir = std::make_unique<TempDir>();
        qputenv("CLOAKSWITCH_TEST_ROOT", saved);
        m_readOnlyRoot = qgetenv("CLOAKSWITCH_FAT_RO_DIR");
        m_root = root;
    }

    // The same item seen through the read-only view of the file system.
    QByteArray readOnly(const QByteArray& path) const
    {
        return m_readOnlyRoot + path.mid(m_root.size());
    }

    std::unique_ptr<TempDir> m_dir;
    QByteArray m_root, m_readOnlyRoot;
};

bool exists(const QByteArray& path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

qint64 sizeOf(const QByteArray& path)
{
    struct stat st {};
    return lstat(path.constData(), &st) == 0 ? qint64(st.st_size) : -1;
}

} // namespace

TEST_F(FatVolume, FinderInformationGoesIntoTheCompanion)
{
    const QByteArray file = m_dir->file("Read Me", "text");
    struct stat before {};
    lstat(file.constData(), &before);

    ASSERT_TRUE(FinderInfoStore::update(file, [](FinderInfo& fi) {
        fi.setType("TEXT");
        fi.setFlags(FinderInfo::kIsInvisible);
    }));
    const QByteArray companion = FinderInfoStore::companionPath(file);
    EXPECT_EQ(sizeOf(companion), 4096);
    FinderInfoRead read = FinderInfoStore::read(file);
    EXPECT_EQ(read.source, FinderInfoSource::AppleDouble);
    EXPECT_EQ(read.info.type(), "TEXT");
    EXPECT_EQ(read.info.flags(), FinderInfo::kIsInvisible);

    struct stat after {};
    lstat(file.constData(), &after);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_size, before.st_size);

    ASSERT_TRUE(FinderInfoStore::update(file, [](FinderInfo& fi) { fi = FinderInfo{}; }));
    EXPECT_FALSE(exists(companion)); // it held nothing any more
}

TEST_F(FatVolume, ReadOnlyVolumeRefusesAndCreatesNothing)
{
    if (m_readOnlyRoot.isEmpty())
        GTEST_SKIP() << "no read-only view";
    const QByteArray file = m_dir->file("plain");
    EXPECT_FALSE(FinderInfoStore::update(readOnly(file), [](FinderInfo& fi) {
        fi.setFlags(FinderInfo::kIsInvisible);
    }));
    EXPECT_FALSE(exists(FinderInfoStore::companionPath(file)));
}
