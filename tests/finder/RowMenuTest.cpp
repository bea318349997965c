#include "platform/gui/Control.h"
#include "platform/gui/GuiTypes.h"
#include "support/WindowTest.h"

#include <QWidget>
#include <unistd.h>

namespace {

// The base folder "f" on "HD" with a file, a folder, an application, a package, an
// alias to the folder and a dangling alias; Finder requests are recorded.
class RowMenu : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Services::instance().setFinderRecorder(&m_finder);
        m_tmp.folder("hd/f");
        m_tmp.file("hd/f/doc.txt", "x");
        m_tmp.folder("hd/f/dir");
        m_tmp.folder("hd/f/Tool.app");
        m_tmp.folder("hd/f/Notes.rtfd");
        ::symlink((m_hd + "/f/dir").constData(), (m_hd + "/f/toDir").constData());
        ::symlink((m_hd + "/f/gone").constData(), (m_hd + "/f/dangling").constData());
        listFolder("f");
    }
    void TearDown() override
    {
        Services::instance().setFinderRecorder(nullptr);
        WindowTest::TearDown();
    }
    // A Control-click on the row (or, past the last row, below the rows).
    bool controlClick(int row, int mods = kControlKey)
    {
        const int rh = w().culcRowHeight(&list());
        const int y = w().FileListBoxControl->top() + ListBox::kHeaderHeight + row * rh + rh / 2;
        m_input.point = w().surface()->mapToGlobal(QPoint(w().FileListBoxControl->left() + 50, y));
        m_input.mods = mods;
        const bool consumed = list().onMouseDown(50, y - w().FileListBoxControl->top());
        m_input.mods = 0;
        return consumed;
    }
    QStringList menuShown() const
    {
        return m_responder.records.empty() ? QStringList() : m_responder.records.back().texts;
    }

    RequestRecorder m_finder;
};

TEST_F(RowMenu, EntriesByKindOfItem)
{
    const QString hdF = QStringLiteral("HD:f:");
    struct Case {
        const char* row;
        QString third; // "" for none
    } cases[] = {
        {"doc.txt", {}},
        {"dir", QStringLiteral("(3) Finderで開く → \"dir\"")},
        {"Tool.app", QStringLiteral("(3) パッケージの内容を表示 → \"Tool.app\"")},
        {"Notes.rtfd", QStringLiteral("(3) パッケージの内容を表示 → \"Notes.rtfd\"")},
        {"toDir", QStringLiteral("(3) オリジナルを表示 → HD:f:dir")},
        {"dangling", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const QString name = QString::fromUtf8(c.row);
        EXPECT_TRUE(controlClick(rowNamed(name)));
        QStringList expected = {QStringLiteral("(1) Finderの情報を見る → \"") + name + '"',
                                QStringLiteral("(2) Finderで表示 → ") + hdF + name};
        if (!c.third.isEmpty())
            expected << c.third;
        EXPECT_EQ(menuShown(), expected);
    }
}

TEST_F(RowMenu, AControlClickLeavesTheSelectionAlone)
{
    list().setSelected(rowNamed("doc.txt"), true);
    EXPECT_TRUE(controlClick(rowNamed("dir")));
    EXPECT_EQ(list().selectedRows(), std::vector<int>{rowNamed("doc.txt")});
    EXPECT_FALSE(controlClick(rowNamed("dir"), 0)) << "a plain click goes to the list";
}

TEST_F(RowMenu, BelowTheLastRowTheMenuIsEmpty)
{
    EXPECT_TRUE(controlClick(list().rowCount() + 2));
    ASSERT_FALSE(m_responder.records.empty());
    EXPECT_TRUE(menuShown().isEmpty());
    EXPECT_FALSE(w().contextFolderItem[0]);
}

TEST_F(RowMenu, EntriesReachTheFinder)
{
    struct Case {
        const char* row;
        const char* entry;
        const char* request;
        const char* path;
    } cases[] = {
        {"doc.txt", "(1) Finderの情報を見る → \"doc.txt\"", "showInfo", "HD:f:doc.txt"},
        {"doc.txt", "(2) Finderで表示 → HD:f:doc.txt", "revealItem", "HD:f:doc.txt"},
        {"dir", "(3) Finderで開く → \"dir\"", "openFinderWindow", "HD:f:dir"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        m_finder.requests.clear();
        m_responder.answer(QString::fromUtf8(c.entry));
        controlClick(rowNamed(QString::fromUtf8(c.row)));
        ASSERT_EQ(m_finder.requests.size(), 1u);
        EXPECT_EQ(m_finder.requests[0].kind, QString::fromUtf8(c.request));
        EXPECT_EQ(m_finder.requests[0].args, QStringList{QString::fromUtf8(c.path)});
    }
}

TEST_F(RowMenu, PackagesAndOriginalsAreListed)
{
    m_responder.answer(QStringLiteral("(3) パッケージの内容を表示 → \"Tool.app\""));
    controlClick(rowNamed("Tool.app"));
    EXPECT_EQ(w().baseFolder[size_t(w().curBase)]->name(), QStringLiteral("Tool.app"));

    listFolder("f");
    m_responder.answer(QStringLiteral("(3) オリジナルを表示 → HD:f:dir"));
    controlClick(rowNamed("toDir"));
    EXPECT_TRUE(m_finder.requests.empty());
    ASSERT_GE(rowNamed("dir"), 0);
    EXPECT_TRUE(list().selected(rowNamed("dir"))) << "the original is shown selected";
}

} // namespace
