#include "listview/RowCells.h"
#include "mainwindow/Window1.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "support/WindowTest.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using ThreadedReading = WindowTest;

// Every column's text and every flag of every row, in list order: what the user sees
// and what the program keys on.
QStringList rowDump(ListBox& list)
{
    QStringList out;
    for (int row = 0; row < list.rowCount(); ++row) {
        const ListRow& r = list.row(row);
        QStringList cells;
        for (int column = RowCells::kName; column <= RowCells::kPath; ++column)
            cells << list.cellText(row, column);
        cells << QString::number(r.picture) << QString::number(r.folderRow)
              << QString::number(r.underline);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

// Restores the reader's threshold and hook whatever the test's outcome.
struct ReaderSettings {
    size_t saved = FolderReader::threadedFrom();
    ~ReaderSettings()
    {
        FolderReader::setThreadedFrom(saved);
        FolderReader::setAfterNamesHook({});
    }
};

} // namespace

TEST_F(ThreadedReading, GivesTheRowsOfASingleThreadInTheSameOrder)
{
    ReaderSettings settings;
    const QByteArray dir = m_tmp.folder("hd/big");
    w().DispDots->setValue(true); // companions and dot names are rows too
    m_tmp.folder("hd/big/sub");
    m_tmp.folder("hd/big/X.app/Contents");
    for (int i = 0; i < 1500; ++i) {
        const QByteArray name = "file" + QByteArray::number(i) + ".txt";
        const QByteArray path = m_tmp.file("hd/big/" + name, QByteArray(i % 50, 'x'));
        if (i % 97 == 0)
            setXattr(path, "user.com.apple.FinderInfo", finderInfo(0x4000, "TEXT", "ttxt"));
        if (i % 211 == 0)
            setXattr(path, "user.com.apple.ResourceFork", QByteArray(300, 'r'));
    }
    // Links of every kind the row table tells apart.
    ASSERT_EQ(::symlink((dir + "/sub").constData(), (dir + "/toSub").constData()), 0);
    ASSERT_EQ(::symlink((dir + "/file1.txt").constData(), (dir + "/toFile").constData()), 0);
    ASSERT_EQ(::symlink(m_hd.constData(), (dir + "/toVolume").constData()), 0);
    ASSERT_EQ(::symlink("nowhere", (dir + "/dangling").constData()), 0);
    // A link's Finder information lives in its companion; another companion is not
    // AppleDouble at all, and one stands without its item.
    ASSERT_TRUE(hd("big/toFile")->setVisible(false).ok());
    m_tmp.file("hd/big/._file2.txt", "not an AppleDouble file");
    m_tmp.file("hd/big/._alone", "");
    // Entries the program may not read.
    m_tmp.file("hd/big/locked", "secret");
    ASSERT_EQ(::chmod((dir + "/locked").constData(), 0), 0);
    m_tmp.folder("hd/big/closed");
    ASSERT_EQ(::chmod((dir + "/closed").constData(), 0), 0);

    // Removed after the names were read and before their status is: as if another
    // program deleted them during the listing.
    const QByteArrayList removed = {"file3.txt", "file97.txt", "toSub", "._file2.txt", "sub"};
    FolderReader::setAfterNamesHook([&] {
        for (const QByteArray& name : removed) {
            const QByteArray path = dir + "/" + name;
            if (::unlink(path.constData()) != 0)
                ::rmdir(path.constData());
        }
    });
    auto restoreRemoved = [&] {
        m_tmp.file("hd/big/file3.txt", "xxx");
        m_tmp.file("hd/big/file97.txt", "");
        ::symlink((dir + "/sub").constData(), (dir + "/toSub").constData());
        m_tmp.file("hd/big/._file2.txt", "not an AppleDouble file");
        m_tmp.folder("hd/big/sub");
    };

    const FolderItemPtr folder = hd("big");
    FolderReader::setThreadedFrom(SIZE_MAX);
    w().drawListAndPathpop(folder);
    const QStringList single = rowDump(list());
    ASSERT_GT(single.size(), 1500);

    restoreRemoved();
    FolderReader::setThreadedFrom(0);
    w().drawListAndPathpop(folder);
    const QStringList threaded = rowDump(list());

    ::chmod((dir + "/closed").constData(), 0755);
    ASSERT_EQ(threaded.size(), single.size());
    for (qsizetype i = 0; i < single.size(); ++i)
        ASSERT_EQ(threaded[i], single[i]) << "row " << i;
}

TEST_F(ThreadedReading, ItemsAskedForAgainReadThemselves)
{
    // Once every entry has been handed out the folder forgets what it read; a second
    // pass must still see the items as they stand, not as they stood.
    ReaderSettings settings;
    FolderReader::setThreadedFrom(0);
    m_tmp.folder("hd/again");
    const QByteArray a = m_tmp.file("hd/again/a", "1");
    const FolderItemPtr folder = hd("again");
    ASSERT_EQ(folder->count(), 1);
    ASSERT_TRUE(folder->item(1)->visible());
    setXattr(a, "user.com.apple.FinderInfo", finderInfo(0x4000));
    EXPECT_FALSE(folder->item(1)->visible());
    ASSERT_EQ(folder->count(), 1);
    EXPECT_FALSE(folder->item(1)->visible());
}
