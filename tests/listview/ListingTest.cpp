#include "dialogs/answers.h"
#include "fileitems/Paths.h"
#include "listview/RowCells.h"
#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "support/WindowTest.h"

#include <QApplication>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Listing = WindowTest;

void sparseFile(const QByteArray& path, off_t size)
{
    int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

} // namespace

TEST_F(Listing, RowKindsAndPictures)
{
    m_tmp.folder("hd/f");
    m_tmp.folder("hd/f/X.app");
    m_tmp.folder("hd/f/X.app/Contents");
    m_tmp.folder("hd/f/Y.rtfd");
    m_tmp.folder("hd/f/plain");
    m_tmp.file("hd/f/doc.txt", "hello");
    m_tmp.file("hd/f/dropfolder", "");
    setXattr(m_hd + "/f/dropfolder", "user.com.apple.FinderInfo", finderInfo(0, "fdrp", "MACS"));
    ASSERT_EQ(::symlink((m_hd + "/f/plain").constData(), (m_hd + "/f/toPlain").constData()), 0);
    ASSERT_EQ(::symlink(m_hd.constData(), (m_hd + "/f/toVolume").constData()), 0);

    struct Case {
        const char* name;
        int picture;
        bool folderRow;
        bool expandAliases;
        bool noSize;
    };
    const Case cases[] = {
        {"X.app", Pictures::kAppIcon, false, true, true},
        {"Y.rtfd", Pictures::kDocIcon, false, true, true},
        {"plain", Pictures::kFolIcon, true, true, true},
        {"doc.txt", Pictures::kDocIcon, false, true, false},
        {"dropfolder", Pictures::kFolIcon, true, true, true},
        {"toPlain", Pictures::kFolAliasIcon, true, true, true},
        {"toPlain", Pictures::kFolAliasIcon, false, false, false},
        {"toVolume", Pictures::kVolAliasIcon, true, true, true},
    };
    for (const Case& c : cases) {
        w().ExpandAliases->setValue(c.expandAliases);
        listFolder("f");
        const int row = rowNamed(QString::fromLatin1(c.name));
        ASSERT_GE(row, 0) << c.name;
        const ListRow& r = list().row(row);
        EXPECT_EQ(r.picture, c.picture) << c.name;
        EXPECT_EQ(r.folderRow, c.folderRow) << c.name;
        EXPECT_EQ(list().cellText(row, RowCells::kSize) == "---", c.noSize) << c.name;
    }
}

TEST_F(Listing, SizesAre64BitAndIncludeTheResourceFork)
{
    m_tmp.folder("hd/s");
    sparseFile(m_hd + "/s/five", 5'000'000'000LL);
    m_tmp.file("hd/s/small", QByteArray(999, 'x'));
    listFolder("s");
    EXPECT_EQ(list().cellText(rowNamed("five"), RowCells::kSize), "5.0 GB");
    EXPECT_EQ(list().cellText(rowNamed("five"), RowCells::kSizeKey), "000,000,005,000,000,000");
    EXPECT_EQ(list().cellText(rowNamed("small"), RowCells::kSize), "999 B");
}

TEST_F(Listing, DisplaySwitchesFilterRows)
{
    m_tmp.folder("hd/d");
    m_tmp.file("hd/d/shown");
    m_tmp.file("hd/d/hidden");
    m_tmp.file("hd/d/.DS_Store");
    setXattr(m_hd + "/d/hidden", "user.com.apple.FinderInfo", finderInfo(0x4000));
    listFolder("d");
    EXPECT_EQ(names(), QStringList({"hidden", "shown"}));
    EXPECT_TRUE(list().row(rowNamed("hidden")).underline);

    struct Case {
        CheckBox* box;
        bool value;
        QStringList expected;
    };
    const Case cases[] = {
        {w().DispDots.get(), true, {".DS_Store", "hidden", "shown"}},
        {w().DispInvises.get(), false, {".DS_Store", "shown"}},
        {w().DispVisibles.get(), false, {}},
        {w().DispInvises.get(), true, {"hidden"}},
        {w().DispDots.get(), false, {"hidden"}},
    };
    for (const Case& c : cases) {
        c.box->setValue(c.value); // its action refreshes the list
        EXPECT_EQ(names(), c.expected);
    }
}

TEST_F(Listing, ChildrenOfAnExpandedRowFollowTheListOrder)
{
    m_tmp.folder("hd/e");
    m_tmp.folder("hd/e/box");
    m_tmp.file("hd/e/box/b", QByteArray(3000, 'x'));
    m_tmp.file("hd/e/box/a", QByteArray(10, 'x'));
    m_tmp.file("hd/e/box/C", QByteArray(200, 'x'));
    m_tmp.file("hd/e/z");
    listFolder("e");
    list().setExpanded(rowNamed("box"), true);
    EXPECT_EQ(names(), QStringList({"box", "a", "b", "C", "z"}));

    list().pressHeader(RowCells::kSize); // ascending by size
    list().pressHeader(RowCells::kSize); // descending
    w().Timer7_Action();
    EXPECT_EQ(list().sortedColumn(), RowCells::kSizeKey);
    EXPECT_FALSE(list().sortAscending());
    const QStringList order = names();
    const int box = int(order.indexOf("box"));
    ASSERT_GE(box, 0);
    EXPECT_EQ(order.mid(box + 1, 3), QStringList({"b", "C", "a"}));
}

// The parent was the previous position: the two collapse into one, and Back and
// Forward then lead exactly where positions are left.
TEST_F(Listing, VanishedBaseFolderListsItsParent)
{
    struct Case {
        const char* label;
        bool laterPosition; // a position after the vanished one (Back was used)
        bool back, forward;
    };
    const Case cases[] = {
        {"nothing before or after", false, false, false},
        {"a later position stays", true, false, true},
    };
    for (const Case& c : cases) {
        m_tmp.folder("hd/p");
        m_tmp.folder("hd/p/gone");
        m_tmp.folder("hd/later");
        listFolder("p");
        w().ResetFileListBox(hd("p/gone"), true); // position 1, its parent is position 0
        if (c.laterPosition) {
            w().ResetFileListBox(hd("later"), true);
            w().BackButton->MouseDown(1, 1);
        }
        ASSERT_EQ(w().curBase, 1) << c.label;
        ASSERT_TRUE(w().BackButton->value()) << c.label;
        ASSERT_EQ(::rename((m_hd + "/p/gone").constData(), (m_hd + "/p/moved").constData()), 0);

        m_responder.records.clear();
        m_responder.answer("OK");
        w().ResetFileListBox(nullptr, false);
        ASSERT_EQ(m_responder.records.size(), 1u) << c.label;
        EXPECT_EQ(m_responder.records[0].texts.join(""),
                  QStringLiteral("Finder情報が変更されました。\r基準フォルダ消失か名称変更のため"
                                 "アクセスできません。基準フォルダを親フォルダへ移動します。"));
        EXPECT_EQ(w().curBase, 0) << c.label << ": the parent was the previous position";
        EXPECT_EQ(w().baseFolder.size(), c.laterPosition ? 2u : 1u) << c.label;
        EXPECT_EQ(names(), QStringList({"moved"})) << c.label;
        EXPECT_EQ(w().BackButton->value(), c.back) << c.label;
        EXPECT_EQ(w().ForwardButton->value(), c.forward) << c.label;
        // A lit button leads somewhere; a dimmed one ignores the click.
        w().BackButton->MouseDown(1, 1);
        EXPECT_EQ(w().curBase, 0) << c.label;
        if (c.forward) {
            w().ForwardButton->MouseDown(1, 1);
            EXPECT_EQ(fileitems::makePath(w().baseFolder.at(size_t(w().curBase))), ":later")
                << c.label;
        }
        ::rmdir((m_hd + "/p/moved").constData());
        ::rmdir((m_hd + "/p").constData());
        ::rmdir((m_hd + "/later").constData());
    }
}

// The count shows the rows of the folder listed now, also when it has none to paint.
TEST_F(Listing, TheItemCountIsNeverStale)
{
    m_tmp.folder("hd/full");
    m_tmp.file("hd/full/a.txt");
    m_tmp.file("hd/full/b.txt");
    m_tmp.folder("hd/empty");
    w().show();
    const std::pair<const char*, QString> steps[] = {
        {"full", QStringLiteral("2項目")},
        {"empty", QStringLiteral("0項目")},
        {"full", QStringLiteral("2項目")},
    };
    for (auto [folder, count] : steps) {
        w().ResetFileListBox(hd(folder), true);
        QApplication::processEvents();
        EXPECT_EQ(w().NumText->text(), count) << folder;
    }
}

TEST_F(Listing, VanishedBaseFolderReplacesTheEntryWhenItsParentIsNotThePreviousOne)
{
    m_tmp.folder("hd/q");
    m_tmp.folder("hd/q/r");
    m_tmp.folder("hd/q/r/gone");
    listFolder("q");
    w().ResetFileListBox(hd("q/r/gone"), true);
    ::rmdir((m_hd + "/q/r/gone").constData());
    m_responder.answer("OK");
    w().ResetFileListBox(nullptr, false);
    EXPECT_EQ(w().curBase, 1);
    ASSERT_EQ(w().baseFolder.size(), 2u);
    EXPECT_EQ(w().baseFolder[1]->posixPath(), m_hd + "/q/r");
}
