#include "NavigationFixture.h"

#include <QDir>

namespace {

const QString kClear = QStringLiteral("このリストを全消去");

class History : public Navigation {
protected:
    QString shown(const QByteArray& relative) { return fileitems::pathForDisplay(hd(relative)); }
    // As the user's choice from the open menu, the row already selected included.
    void choose(int row) { w().HistoryPop->choose(row); }
};

} // namespace

TEST_F(History, TheFirstMoveMakesOneEntryAndTheClosingRows)
{
    start("a");
    EXPECT_EQ(rows(*w().HistoryPop), QStringList({shown("a"), "-", kClear}));
    ASSERT_EQ(w().HistoryFolderItem.size(), 3u);
    EXPECT_EQ(w().HistoryFolderItem[0], base());
    EXPECT_FALSE(w().HistoryFolderItem[1]);
    EXPECT_FALSE(w().HistoryFolderItem[2]);
    EXPECT_EQ(w().HistoryPop->listIndex(), -1);
}

// Entries are matched by object: Back re-enters the stored object, a move through the
// path pop-up makes a new one with the same path.
TEST_F(History, TheSameFolderReachedAnotherWayGetsASecondRow)
{
    start("a");
    go("a/b");
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(rows(*w().HistoryPop), QStringList({shown("a"), shown("a/b"), "-", kClear}));
    EXPECT_EQ(w().HistoryPop->listIndex(), 0);

    w().ForwardButton->MouseDown(1, 1);
    w().PathPop->setListIndex(1); // "a", reached through the path
    EXPECT_EQ(basePath(), ":a");
    EXPECT_EQ(rows(*w().HistoryPop),
              QStringList({shown("a"), shown("a/b"), shown("a"), "-", kClear}));
    EXPECT_EQ(w().HistoryPop->listIndex(), 2);
    EXPECT_EQ(w().HistoryFolderItem[2], base());
}

TEST_F(History, ChoosingAnEntryRevisitsItsFolderAsANewPosition)
{
    start("a");
    go("b");
    go("c");
    w().BackButton->MouseDown(1, 1);
    choose(0);
    EXPECT_EQ(basePath(), ":a");
    EXPECT_EQ(positionPaths(), QStringList({":a", ":b", ":a"}));
    EXPECT_FALSE(w().ForwardButton->value());
    EXPECT_EQ(w().HistoryPop->listCount(), 5) << "the stored folder keeps its row";
    EXPECT_EQ(w().HistoryPop->listIndex(), 0);
}

TEST_F(History, ChoosingTheCurrentFolderOrTheSeparatorChangesNothing)
{
    start("a");
    go("b");
    for (int row : {1, 2}) {
        choose(row);
        EXPECT_EQ(positionPaths(), QStringList({":a", ":b"})) << row;
        EXPECT_EQ(w().HistoryPop->listCount(), 4) << row;
    }
}

TEST_F(History, TheClearingRowEmptiesTheListAndTheNextMoveStartsIt)
{
    start("a");
    go("b");
    choose(3);
    EXPECT_EQ(w().HistoryPop->listCount(), 0);
    EXPECT_TRUE(w().HistoryFolderItem.empty());
    EXPECT_EQ(basePath(), ":b");

    go("c");
    EXPECT_EQ(rows(*w().HistoryPop), QStringList({shown("c"), "-", kClear}));
}

TEST_F(History, AVanishedEntryGivesWayToTheOneAboveIt)
{
    start("a");
    go("b");
    go("c");
    ASSERT_TRUE(QDir(QString::fromUtf8(m_hd + "/b")).removeRecursively());
    choose(1);
    EXPECT_EQ(rows(*w().HistoryPop), QStringList({shown("a"), shown("c"), "-", kClear}));
    EXPECT_EQ(basePath(), ":a");
    EXPECT_EQ(w().HistoryFolderItem.size(), 4u);
}

TEST_F(History, WhenEveryEntryHasVanishedTheListStartsAfresh)
{
    start("a");
    go("b");
    ASSERT_TRUE(QDir(QString::fromUtf8(m_hd + "/a")).removeRecursively());
    ASSERT_TRUE(QDir(QString::fromUtf8(m_hd + "/b")).removeRecursively());
    go("c");
    EXPECT_EQ(rows(*w().HistoryPop), QStringList({shown("c"), "-", kClear}));
    EXPECT_EQ(w().HistoryFolderItem.size(), 3u);
    EXPECT_EQ(w().HistoryPop->listIndex(), -1);
}

// The listed folder vanishes and is replaced in place by its parent; its row stays
// selected. Choosing that row again still acts: the gone entry is pruned and the one
// above it is listed.
TEST_F(History, ChoosingTheRowOfAFolderReplacedInPlaceActs)
{
    start("a");
    go("a/b");
    go("c");
    w().BackButton->MouseDown(1, 1); // back at a/b, its row selected
    ASSERT_EQ(w().HistoryPop->listIndex(), 1);
    ASSERT_TRUE(QDir(QString::fromUtf8(m_hd + "/a/b")).removeRecursively());
    m_responder.answer("OK");
    w().ResetFileListBox(nullptr, false); // the vanished base folder: its parent, in place
    ASSERT_EQ(basePath(), ":a");
    ASSERT_EQ(w().HistoryPop->listIndex(), 1) << "the gone folder's row is still selected";

    choose(1);
    EXPECT_EQ(rows(*w().HistoryPop), QStringList({shown("a"), shown("c"), "-", kClear}));
    EXPECT_EQ(basePath(), ":a");
    EXPECT_EQ(w().HistoryFolderItem.size(), 4u);
}
