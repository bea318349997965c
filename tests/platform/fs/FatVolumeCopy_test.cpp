#include "CopyFixture.h"

#include "platform/fs/CompanionFile.h"
#include "platform/fs/ErrorText.h"
#include "platform/fs/FinderInfoStore.h"

#include <QFile>
#include <gtest/gtest.h>
#include <linux/magic.h>
#include <memory>
#include <sys/statfs.h>

using namespace copytest;

// Copies onto a file system without user attributes, run by with-fat-mount.sh (the
// FatVolume* tests): what the source kept in attributes must arrive in "._NAME".
namespace {

class FatVolumeCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        const QByteArray root = qgetenv("CLOAKSWITCH_FAT_DIR");
        if (root.isEmpty()) {
            if (qgetenv("CLOAKSWITCH_NEEDS_FAT") == "1")
                FAIL() << "CLOAKSWITCH_FAT_DIR is not set";
            GTEST_SKIP() << "runs under tests/support/with-fat-mount.sh";
        }
        const QByteArray saved = qgetenv("CLOAKSWITCH_TEST_ROOT");
        qputenv("CLOAKSWITCH_TEST_ROOT", root);
        m_fat = std::make_unique<TempDir>();
        qputenv("CLOAKSWITCH_TEST_ROOT", saved);
    }

    AppleDoubleAttributes::Contents companionOf(const QByteArray& path) {
        const auto bytes = CompanionFile::read(FinderInfoStore::companionPath(path));
        EXPECT_TRUE(bytes) << path.constData();
        const auto parsed = bytes ? AppleDouble::parse(bytes.value()) : std::nullopt;
        EXPECT_TRUE(parsed);
        const auto read = parsed ? AppleDoubleAttributes::read(*parsed) : std::nullopt;
        EXPECT_TRUE(read);
        return read.value_or(AppleDoubleAttributes::Contents{});
    }

    static QByteArray attribute(const AppleDoubleAttributes::Contents& c, const char* name) {
        for (const auto& a : c.attributes)
            if (a.name == name)
                return a.value;
        return "(missing)";
    }

    void makeMacFile(const QByteArray& path) {
        QFile f(QString::fromLocal8Bit(path));
        f.open(QIODevice::WriteOnly);
        f.write("data fork");
        f.close();
        setXattr(path, "user.com.apple.FinderInfo", finderBytes("TEXT", "ttxt", 0x4000));
        setXattr(path, "user.com.apple.ResourceFork", QByteArray(3000, 'r'));
        setXattr(path, "user.com.example.tag", "blue");
        setTimes(path, 1000000000);
    }

    TempDir m_local;
    QByteArray m_from = m_local.folder("from");
    std::unique_ptr<TempDir> m_fat;
};

TEST_F(FatVolumeCopy, AttributesArriveInTheCompanion) {
    makeMacFile(m_from + "/Letter.txt");
    CopyEngine engine;
    const Status copied = engine.copyInto(m_from + "/Letter.txt", m_fat->path());
    ASSERT_TRUE(copied) << copied.error().operation << ": "
                        << ErrorText::reason(copied.error()).constData();
    const QByteArray copy = m_fat->path() + "/Letter.txt";
    EXPECT_EQ(namesIn(m_fat->path()), (QStringList{"._Letter.txt", "Letter.txt"}));
    EXPECT_EQ(contentHash(copy), contentHash(m_from + "/Letter.txt"));
    const FinderInfoRead read = FinderInfoStore::read(copy);
    EXPECT_EQ(read.source, FinderInfoSource::AppleDouble);
    EXPECT_EQ(read.info.type(), "TEXT");
    EXPECT_EQ(read.info.flags(), 0x4000);
    EXPECT_EQ(read.resourceForkSize, 3000);
    const auto contents = companionOf(copy);
    EXPECT_EQ(attribute(contents, "com.example.tag"), "blue");
    EXPECT_EQ(contents.resourceFork, QByteArray(3000, 'r'));
    // The FUSE driver dates a file when it writes it back, after the copy has closed it;
    // the kernel's own FAT keeps the date (to two seconds).
    struct stat st {};
    ::lstat(copy.constData(), &st);
    struct statfs fs {};
    ::statfs(copy.constData(), &fs);
    if (fs.f_type != FUSE_SUPER_MAGIC) {
        EXPECT_NEAR(double(st.st_mtime), 1000000000.0, 2.0);
    }
}

TEST_F(FatVolumeCopy, FolderTreeCarriesEachItemsInformation) {
    const QByteArray data = m_local.folder("from/Data");
    makeMacFile(data + "/notes");
    m_local.file("from/Data/.profile", "export A=1");
    setXattr(data, "user.com.apple.FinderInfo",
             finderBytes("", "", 0x4000).leftJustified(32, '\0'));
    // An item whose information already stands in a companion: both parts arrive.
    m_local.file("from/Data/Icon", "");
    m_local.file("from/Data/._Icon",
                 AppleDouble::fresh(FinderInfo::fromBytes(finderBytes("icon", "MACS", 0))));
    setXattr(data + "/Icon", "user.com.example.tag", "red");

    CopyEngine engine;
    ASSERT_TRUE(engine.copyInto(data, m_fat->path()));
    const QByteArray copy = m_fat->path() + "/Data";
    EXPECT_EQ(namesIn(copy), (QStringList{"._Icon", "._notes", ".profile", "Icon", "notes"}));
    EXPECT_EQ(FinderInfoStore::read(copy).info.flags(), 0x4000);
    EXPECT_EQ(FinderInfoStore::read(copy + "/notes").info.type(), "TEXT");
    EXPECT_EQ(FinderInfoStore::read(copy + "/Icon").info.type(), "icon");
    EXPECT_EQ(attribute(companionOf(copy + "/Icon"), "com.example.tag"), "red");
    EXPECT_EQ(contentHash(copy + "/.profile"), contentHash(data + "/.profile"));
}

TEST_F(FatVolumeCopy, WhatFatCannotHoldFailsWithoutLeftovers) {
    ::symlink("target", (m_from + "/Link").constData());
    ::mkdir((m_from + "/Box").constData(), 0755);
    m_local.file("from/Box/a", "a");
    ::symlink("a", (m_from + "/Box/link").constData());
    CopyEngine engine;
    EXPECT_FALSE(engine.copyInto(m_from + "/Link", m_fat->path()));
    EXPECT_FALSE(engine.copyInto(m_from + "/Box", m_fat->path()));
    EXPECT_EQ(namesIn(m_fat->path()), QStringList{});
}

TEST_F(FatVolumeCopy, ReplaceSwapsCompanionsToo) {
    makeMacFile(m_from + "/Report");
    const QByteArray old = m_fat->file("Report", "old");
    ASSERT_TRUE(FinderInfoStore::update(old, [](FinderInfo& fi) { fi.setType("OLD!"); }));
    CopyEngine engine;
    ASSERT_TRUE(engine.copyReplacing(m_from + "/Report", m_fat->path(), "Report"));
    EXPECT_EQ(namesIn(m_fat->path()), (QStringList{"._Report", "Report"}));
    EXPECT_EQ(FinderInfoStore::read(old).info.type(), "TEXT");
    EXPECT_EQ(contentHash(old), contentHash(m_from + "/Report"));
}

TEST_F(FatVolumeCopy, CopiedBackTheCompanionComesAlong) {
    makeMacFile(m_from + "/Letter");
    CopyEngine engine;
    ASSERT_TRUE(engine.copyInto(m_from + "/Letter", m_fat->path()));
    const QByteArray back = m_local.folder("back");
    ASSERT_TRUE(engine.copyInto(m_fat->path() + "/Letter", back));
    EXPECT_EQ(namesIn(back), (QStringList{"._Letter", "Letter"}));
    EXPECT_EQ(FinderInfoStore::read(back + "/Letter").info.type(), "TEXT");
    EXPECT_EQ(FinderInfoStore::read(back + "/Letter").resourceForkSize, 3000);
}

} // namespace
