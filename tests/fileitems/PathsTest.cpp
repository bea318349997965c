#include "fileitems/Paths.h"
#include "fileitems/globals.h"

#include "support/TestVolumes.h"

#include <unistd.h>

using namespace fileitems;

class Paths : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        m_tmp.folder("hd/a");
        m_tmp.folder("hd/a/b");
        m_tmp.file("hd/a/b.txt");
        m_tmp.file("hd/a/x:y");
        m_tmp.folder("other/a");
        m_tmp.folder("other/a/b");
    }
};

TEST_F(Paths, MakePathIsVolumeRelative)
{
    const struct {
        QByteArray relative;
        const char* path;
    } cases[] = {
        {"", ""},
        {"a/b", ":a:b"},
        {"a/b.txt", ":a:b.txt"},
        {"a/missing", ":a:missing"},
        {"a/x:y", ":a:x/y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(makePath(hd(c.relative)), QString::fromUtf8(c.path)) << c.relative.constData();
    EXPECT_EQ(makePath(nullptr), QString());
}

TEST_F(Paths, PerfectPathStartsWithTheVolumeName)
{
    EXPECT_EQ(perfectPath(hd()), QStringLiteral("HD"));
    EXPECT_EQ(perfectPath(hd("a/b")), QStringLiteral("HD:a:b"));
    EXPECT_EQ(perfectPath(hd("a/b.txt")), QStringLiteral("HD:a:b.txt"));
    EXPECT_EQ(perfectPath(hd("a/x:y")), QStringLiteral("HD:a:x/y"));
    EXPECT_EQ(perfectPath(nullptr), QString());
}

TEST_F(Paths, PerfectPathFindsTheItemAgain)
{
    for (const QByteArray relative : {"a/b", "a/b.txt", "a/x:y"}) {
        const auto found = FolderItem::fromAbsolutePath(perfectPath(hd(relative)));
        ASSERT_TRUE(found) << relative.constData();
        EXPECT_EQ(found->posixPath(), hd(relative)->posixPath());
    }
}

TEST_F(Paths, DisplayPathUsesDisplayNames)
{
    const QByteArray file = m_tmp.file("hd/a/Report.txt");
    ASSERT_TRUE(setXattr(file, "user.com.apple.FinderInfo", finderInfo(0x0010, "TEXT")));
    EXPECT_EQ(pathForDisplay(hd("a/Report.txt")), QStringLiteral("HD:a:Report"));
    EXPECT_EQ(perfectPath(hd("a/Report.txt")), QStringLiteral("HD:a:Report.txt"));
    EXPECT_EQ(pathForDisplay(hd()), QStringLiteral("HD"));
}

TEST_F(Paths, CompareFolderItemsByVolumeAndExactPath)
{
    const QByteArray link = m_hd + "/a/link";
    ASSERT_EQ(::symlink((m_hd + "/a/b").constData(), link.constData()), 0);
    m_tmp.folder("hd/a/B");

    EXPECT_TRUE(compareFolderItems(nullptr, nullptr));
    EXPECT_FALSE(compareFolderItems(hd("a"), nullptr));
    EXPECT_FALSE(compareFolderItems(nullptr, hd("a")));
    EXPECT_TRUE(compareFolderItems(hd("a/b"), hd("a/b")));
    EXPECT_TRUE(compareFolderItems(hd("a/gone"), hd("a/gone")));
    EXPECT_FALSE(compareFolderItems(hd("a/b"), other("a/b")));
    EXPECT_FALSE(compareFolderItems(hd("a/b"), hd("a/B")));
    EXPECT_FALSE(compareFolderItems(hd("a/link"), hd("a/b")));
    EXPECT_TRUE(compareFolderItems(hd("a/link")->resolved(), hd("a/b")));
}

TEST_F(Paths, VrefToVolNumFindsTheIndex)
{
    const struct {
        const char* text;
        int index;
    } cases[] = {
        {"11", 0}, {"22", 1}, {" 22", 1}, {"22abc", 1}, {"+11", 0}, {"33", -1},
        {"0", -1}, {"", -1},  {"abc", -1}, {"-1", -1}, {"99999999999999999999", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(globals::vrefToVolNum(QString::fromLatin1(c.text)), c.index) << c.text;
}

TEST_F(Paths, VrefToVolNumFollowsTheVolumeList)
{
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{QStringLiteral("Other"), m_other, 22}});
    EXPECT_EQ(globals::vrefToVolNum(QStringLiteral("22")), 0);
    EXPECT_EQ(globals::vrefToVolNum(QStringLiteral("11")), -1);
}
