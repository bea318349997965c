#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "support/WindowTest.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint16_t kInvisible = 0x4000;

// The toggle on a real folder of the test volume: select rows, click the button with
// keys held, read the Finder information back from the file system.
class Toggle : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_tmp.folder("hd/f");
    }
    void showFolder() { listFolder("f"); }
    void select(std::initializer_list<const char*> selected)
    {
        QStringList p;
        for (const char* s : selected)
            p << QString::fromUtf8(s);
        selectPaths(p);
    }
    void click(int modifiers = 0) { w().CloakswitchButton->push(modifiers); }
    bool invisibleOnDisk(const QByteArray& relative) const
    {
        return !FolderItem::fromPosixPath(m_hd + "/" + relative)->visible();
    }
};

} // namespace

TEST_F(Toggle, ModesByKeysOnAMixedSelection)
{
    struct Case {
        int keys;
        bool aWasHidden, bWasHidden;
        bool aHidden, bHidden;
    };
    const Case cases[] = {
        {0, false, true, true, false},                      // flip each item on its own
        {kOptionKey, false, true, false, false},            // show
        {kShiftKey, false, true, true, true},               // hide
        {kShiftKey | kOptionKey, false, true, false, true}, // nothing
        {kCommandKey, false, true, true, false},            // Command is ignored
    };
    m_tmp.file("hd/f/a");
    m_tmp.file("hd/f/b");
    for (const Case& c : cases) {
        setXattr(m_hd + "/f/a", "user.com.apple.FinderInfo", finderInfo(c.aWasHidden ? kInvisible : 0, "TEXT", "ttxt"));
        setXattr(m_hd + "/f/b", "user.com.apple.FinderInfo", finderInfo(c.bWasHidden ? kInvisible : 0));
        showFolder();
        select({":f:a", ":f:b"});
        click(c.keys);
        EXPECT_EQ(invisibleOnDisk("f/a"), c.aHidden) << c.keys;
        EXPECT_EQ(invisibleOnDisk("f/b"), c.bHidden) << c.keys;
        EXPECT_EQ(w().FileListBox->row(rowOf(":f:a")).underline, c.aHidden) << c.keys;
        EXPECT_EQ(w().FileListBox->selCount(), 2) << "the selection survives the refresh";
        // Only the flag changed: the codes stand as they were.
        EXPECT_EQ(getXattr(m_hd + "/f/a", "user.com.apple.FinderInfo").left(8), "TEXTttxt");
    }
}

TEST_F(Toggle, ChangesOnlyTheFlagAndKeepsDates)
{
    const QByteArray path = m_tmp.file("hd/f/doc", "content");
    struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), old, 0), 0);
    showFolder();
    select({":f:doc"});
    w().CopyCheckBox->setValue(false); // the write switch does not govern the toggle
    click();
    struct stat st;
    ASSERT_EQ(::stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
    EXPECT_TRUE(invisibleOnDisk("f/doc"));
    EXPECT_TRUE(FolderItem::fromPosixPath(m_hd + "/f/doc")->exists());
}

TEST_F(Toggle, AnAliasFlipsItselfThroughItsCompanion)
{
    m_tmp.file("hd/f/original");
    ASSERT_EQ(::symlink((m_hd + "/f/original").constData(), (m_hd + "/f/link").constData()), 0);
    showFolder();
    select({":f:link"});
    click();
    EXPECT_TRUE(invisibleOnDisk("f/link"));
    EXPECT_FALSE(invisibleOnDisk("f/original"));
    struct stat st;
    EXPECT_EQ(::lstat((m_hd + "/f/._link").constData(), &st), 0) << "the link's information lives in ._link";
}

TEST_F(Toggle, RowsInsideExpandedFoldersAndRowsThatTheSwitchesHide)
{
    m_tmp.folder("hd/f/sub");
    m_tmp.file("hd/f/sub/inner");
    m_tmp.file("hd/f/top");
    showFolder();
    w().FileListBox->setExpanded(rowOf(":f:sub"), true);
    select({":f:sub:inner", ":f:top"});
    w().DispInvises->setValue(false);
    click();
    EXPECT_TRUE(invisibleOnDisk("f/sub/inner"));
    EXPECT_TRUE(invisibleOnDisk("f/top"));
    EXPECT_FALSE(invisibleOnDisk("f/sub")) << "a folder's contents change, not the folder";
    EXPECT_EQ(rowOf(":f:top"), -1) << "hidden items leave the list at the refresh";
    EXPECT_EQ(rowOf(":f:sub:inner"), -1);
    EXPECT_GE(rowOf(":f:sub"), 0);
}

TEST_F(Toggle, NothingSelectedChangesAndRefreshesNothing)
{
    m_tmp.file("hd/f/a");
    showFolder();
    m_tmp.file("hd/f/new");
    w().CloakswitchButton_Action();
    EXPECT_EQ(rowOf(":f:new"), -1) << "no refresh without a selection";
    EXPECT_FALSE(invisibleOnDisk("f/a"));
}

// Runs inside the FAT mount namespace (see tests/CMakeLists.txt): the file system holds
// no extended attributes, so the flag goes into "._X".
TEST(FatVolumeToggle, FileOnFatTogglesThroughItsCompanion)
{
    const QByteArray fat = qgetenv("CLOAKSWITCH_FAT_DIR");
    if (fat.isEmpty()) {
        if (!qgetenv("CLOAKSWITCH_NEEDS_FAT").isEmpty())
            FAIL() << "CLOAKSWITCH_FAT_DIR is not set";
        GTEST_SKIP() << "runs through with-fat-mount.sh";
    }
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{QStringLiteral("FAT"), fat, 5}});
    ::mkdir((fat + "/f").constData(), 0755);
    FILE* f = ::fopen((fat + "/f/doc.txt").constData(), "w");
    ASSERT_TRUE(f);
    ::fclose(f);
    {
        Window1 w(nullptr);
        w.curBase = -1;
        w.ResetFileListBox(FolderItem::fromPosixPath(fat + "/f"), true);
        ASSERT_EQ(w.FileListBox->rowCount(), 1);
        w.FileListBox->selectRows({0});
        w.saveListState();
        w.CloakswitchButton->push();
        EXPECT_FALSE(FolderItem::fromPosixPath(fat + "/f/doc.txt")->visible());
        struct stat st;
        EXPECT_EQ(::stat((fat + "/f/._doc.txt").constData(), &st), 0);
    }
    Volumes::setTestTable(std::nullopt);
}
