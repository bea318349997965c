#include "platform/gui/ListBox.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

ListRow makeRow(const QString& name, bool folder = false, const QString& path = {})
{
    ListRow row;
    row.name = name;
    row.path = path.isEmpty() ? name : path;
    row.folderRow = folder;
    return row;
}

// Names in row order, each indented by one space per depth level, so that a tree
// reads as one list.
QStringList shape(const ListBox& list)
{
    QStringList out;
    for (int i = 0; i < list.rowCount(); ++i)
        out << QString(list.row(i).depth, QLatin1Char(' ')) + list.row(i).name;
    return out;
}

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.resize(600, 300);
        list.setColumnWidths(QStringLiteral("350,5,140,90,80,80,1,0,0"));
        // Children come from a table: expanding the row named N adds children[N].
        list.onExpandRow = [this](int row) {
            expandCalls.push_back(row);
            for (const ListRow& child : children[list.row(row).name])
                list.addRow(child);
        };
        list.onChange = [this] { ++changes; };
    }

    void addRows(const QList<ListRow>& rows)
    {
        for (const ListRow& row : rows)
            list.addRow(row);
    }

    int rowNamed(const QString& name) const
    {
        for (int i = 0; i < list.rowCount(); ++i) {
            if (list.row(i).name == name)
                return i;
        }
        return -1;
    }

    ListBox list;
    std::map<QString, QList<ListRow>> children;
    std::vector<int> expandCalls;
    int changes = 0;
};

// --- expansion

TEST_F(ListBoxTest, ExpandPlacesChildrenDirectlyBelowInOrderAddedAndSeesThemMeanwhile)
{
    addRows({makeRow("A", true), makeRow("B", true), makeRow("C")});
    QStringList seen;
    list.onExpandRow = [&](int row) {
        for (const char* name : {"z", "a", "m"}) {
            list.addRow(makeRow(name));
            const int count = list.rowCount();
            seen << QStringLiteral("%1:%2").arg(count).arg(list.row(row + count - 3).name);
        }
        seen << list.row(list.rowCount() - 1).name; // the last row is still C
    };
    list.setExpanded(1, true);

    EXPECT_EQ(seen, QStringList({"4:z", "5:a", "6:m", "C"}));
    EXPECT_EQ(shape(list), QStringList({"A", "B", " z", " a", " m", "C"}));
    EXPECT_TRUE(list.expanded(1));
    EXPECT_FALSE(list.expanded(2));
}

TEST_F(ListBoxTest, ExpandingAgainOrANonFolderRowDoesNotRunTheHandler)
{
    addRows({makeRow("A", true), makeRow("f")});
    children["A"] = {makeRow("a1")};
    list.setExpanded(0, true);
    list.setExpanded(0, true);
    list.setExpanded(2, true); // "f", a plain row
    list.setExpanded(7, true);
    list.setExpanded(-1, true);
    EXPECT_EQ(expandCalls, std::vector<int>({0}));
    EXPECT_EQ(shape(list), QStringList({"A", " a1", "f"}));
}

TEST_F(ListBoxTest, NestedExpansionAfterwardsAndFromInsideTheHandler)
{
    addRows({makeRow("A", true), makeRow("B")});
    children["A"] = {makeRow("a1", true), makeRow("a2", true)};
    children["a1"] = {makeRow("a1x"), makeRow("a1y")};
    children["a2"] = {makeRow("a2x")};

    list.setExpanded(0, true);
    list.setExpanded(rowNamed("a2"), true);
    list.setExpanded(rowNamed("a1"), true);
    EXPECT_EQ(shape(list),
              QStringList({"A", " a1", "  a1x", "  a1y", " a2", "  a2x", "B"}));

    // A handler that expands a child it has just added: the grandchildren go under the
    // child, and the handler's later children still go below them, in order.
    list.removeAllRows();
    addRows({makeRow("A", true), makeRow("B")});
    list.onExpandRow = [&](int row) {
        if (list.row(row).name != "A") {
            list.addRow(makeRow("deep"));
            return;
        }
        list.addRow(makeRow("a1", true));
        list.setExpanded(row + 1, true);
        list.addRow(makeRow("a2"));
    };
    list.setExpanded(0, true);
    EXPECT_EQ(shape(list), QStringList({"A", " a1", "  deep", " a2", "B"}));
}

TEST_F(ListBoxTest, CollapseRemovesAllDescendantsAndExpandsAfreshLater)
{
    addRows({makeRow("A", true), makeRow("B")});
    children["A"] = {makeRow("a1", true), makeRow("a2")};
    children["a1"] = {makeRow("a1x")};
    list.setExpanded(0, true);
    list.setExpanded(1, true);
    ASSERT_EQ(list.rowCount(), 5);

    list.setExpanded(0, false);
    EXPECT_EQ(shape(list), QStringList({"A", "B"}));
    EXPECT_FALSE(list.expanded(0));

    list.setExpanded(0, true);
    EXPECT_EQ(shape(list), QStringList({"A", " a1", " a2", "B"}));
    EXPECT_FALSE(list.expanded(1)) << "a collapsed subtree does not come back expanded";
    EXPECT_EQ(expandCalls, std::vector<int>({0, 1, 0}));
}

TEST_F(ListBoxTest, HandlerThatCollapsesOrClearsItsRowDropsLaterChildren)
{
    // An alias that cannot be resolved collapses itself again inside the handler.
    addRows({makeRow("alias", true), makeRow("B")});
    list.onExpandRow = [&](int row) {
        list.addRow(makeRow("early"));
        list.setExpanded(row, false);
        list.addRow(makeRow("late"));
    };
    list.setExpanded(0, true);
    EXPECT_EQ(shape(list), QStringList({"alias", "B"}));
    EXPECT_FALSE(list.expanded(0));

    list.onExpandRow = [&](int) {
        list.addRow(makeRow("early"));
        list.removeAllRows();
        list.addRow(makeRow("late"));
    };
    list.setExpanded(0, true);
    EXPECT_EQ(list.rowCount(), 0);
    list.onExpandRow = nullptr;
    addRows({makeRow("fresh")});
    EXPECT_EQ(shape(list), QStringList({"fresh"}));
}

TEST_F(ListBoxTest, TriangleClickTogglesAndDoubleClickReportsTheRow)
{
    addRows({makeRow("A", true), makeRow("f")});
    children["A"] = {makeRow("a1")};
    std::vector<int> doubleClicks;
    list.onDoubleClick = [&](int row) { doubleClicks.push_back(row); };
    list.show();
    QApplication::processEvents();
    QWidget* viewport = list.findChild<QTreeView*>()->viewport();

    const QPoint triangle(2 + 7, 9); // the triangle box of a depth-0 row, row 0
    QTest::mouseClick(viewport, Qt::LeftButton, {}, triangle);
    EXPECT_EQ(shape(list), QStringList({"A", " a1", "f"}));
    EXPECT_EQ(list.selCount(), 0) << "a triangle click does not select";
    QTest::mouseClick(viewport, Qt::LeftButton, {}, triangle);
    EXPECT_EQ(shape(list), QStringList({"A", "f"}));

    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(100, 18 + 9));
    EXPECT_EQ(doubleClicks, std::vector<int>({1}));
}

// --- sorting

struct SortCase {
    const char* what;
    int column;
    bool ascending;
    QStringList expected;
};

TEST_F(ListBoxTest, SortKeepsSubtreesTogetherIgnoresCaseAndBreaksTiesByExactText)
{
    const SortCase cases[] = {
        {"by name, ascending", 0, true,
         {"A", "a", "a", "B", " x", " Y", "  P", "  q", " z", "c"}},
        {"by name, descending", 0, false,
         {"c", "B", " z", " Y", "  q", "  P", " x", "a", "a", "A"}},
    };
    for (const SortCase& c : cases) {
        list.removeAllRows();
        addRows({makeRow("c"), makeRow("B", true), makeRow("a", false, "first"),
                 makeRow("A"), makeRow("a", false, "second")});
        children["B"] = {makeRow("z"), makeRow("Y", true), makeRow("x")};
        children["Y"] = {makeRow("q"), makeRow("P")};
        list.setExpanded(1, true);
        list.setExpanded(rowNamed("Y"), true);

        list.setSortedColumn(c.column);
        list.setSortAscending(c.ascending);
        list.sort();
        QStringList got = shape(list);
        EXPECT_EQ(got, c.expected) << c.what;
        // Rows with the same exact text keep their order in both directions.
        QStringList paths;
        for (int i = 0; i < list.rowCount(); ++i) {
            if (list.row(i).name == "a")
                paths << list.row(i).path;
        }
        EXPECT_EQ(paths, QStringList({"first", "second"})) << c.what;
    }
}

TEST_F(ListBoxTest, SortUsesTheFormattedTextOfTheSortColumn)
{
    list.setCellFormatter([](const ListRow& row, int column) {
        if (column == 6)
            return row.size < 0 ? QStringLiteral("---")
                                : QStringLiteral("%1").arg(row.size, 18, 10, QLatin1Char('0'));
        return row.name;
    });
    for (auto [name, size] : {std::pair{"big", 1'200'000}, {"dir", -1}, {"small", 900'000}}) {
        ListRow row = makeRow(name);
        row.size = size;
        list.addRow(row);
    }
    list.setSortedColumn(6);
    list.setSortAscending(false);
    list.sort();
    EXPECT_EQ(shape(list), QStringList({"big", "small", "dir"}));
    EXPECT_EQ(list.cellText(2, 6), "---");
}

TEST_F(ListBoxTest, HeaderClickFlow)
{
    addRows({makeRow("b"), makeRow("a"), makeRow("c")});
    std::vector<std::string> calls;
    bool stopAtPress = false;
    list.onHeaderPressed = [&](int column) {
        calls.push_back("press " + std::to_string(column));
        return stopAtPress;
    };
    // Like the program: the size column sorts by its hidden key, in the direction the
    // click chose for the size column.
    list.onSortColumn = [&](int column) {
        calls.push_back("sort " + std::to_string(column));
        if (column == 3) {
            list.setSortedColumn(6);
            list.sort();
        }
        return false;
    };
    list.setCellFormatter([](const ListRow& row, int column) {
        // The key runs against the names: c < b < a.
        return column == 6 ? QString(QChar(u'z' - (row.name.at(0).unicode() - u'a')))
                           : row.name;
    });
    QHeaderView* header = list.findChild<QHeaderView*>();

    list.pressHeader(0);
    EXPECT_EQ(shape(list), QStringList({"a", "b", "c"}));
    list.pressHeader(0);
    EXPECT_EQ(shape(list), QStringList({"c", "b", "a"}));
    EXPECT_FALSE(list.sortAscending());

    list.pressHeader(3); // a new column starts ascending, by the key of column 6
    EXPECT_EQ(list.sortedColumn(), 6);
    EXPECT_TRUE(list.sortAscending());
    EXPECT_EQ(header->sortIndicatorSection(), 3);
    EXPECT_EQ(shape(list), QStringList({"c", "b", "a"}));
    list.pressHeader(3); // same header again: reverses, although column 6 is sorted
    EXPECT_FALSE(list.sortAscending());
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(shape(list), QStringList({"a", "b", "c"}));

    calls.clear();
    stopAtPress = true;
    list.pressHeader(0);
    EXPECT_EQ(calls, std::vector<std::string>({"press 0"}));
    EXPECT_EQ(list.sortedColumn(), 6);
    EXPECT_EQ(header->sortIndicatorSection(), 3);

    // A real click on the header goes the same way.
    stopAtPress = false;
    calls.clear();
    list.show();
    QApplication::processEvents();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(calls, std::vector<std::string>({"press 0", "sort 0"}));
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(shape(list), QStringList({"a", "b", "c"}));
}

TEST_F(ListBoxTest, SortColumnHandlerThatSortsItselfStopsTheListsSort)
{
    addRows({makeRow("b"), makeRow("a")});
    list.onSortColumn = [](int) { return true; };
    list.pressHeader(0);
    EXPECT_EQ(shape(list), QStringList({"b", "a"}));
    EXPECT_EQ(list.sortedColumn(), 0);
}

// --- selection

TEST_F(ListBoxTest, SelectRowsAddsAndRaisesChangeOnce)
{
    for (int i = 0; i < 10; ++i)
        list.addRow(makeRow(QString::number(i)));
    list.selectRows({5, 1, 3, 4, 4, 99, -2});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.selectedRows(), std::vector<int>({1, 3, 4, 5}));
    EXPECT_EQ(list.selCount(), 4);
    EXPECT_TRUE(list.selected(3));
    EXPECT_FALSE(list.selected(2));

    list.selectRows({2, 8});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(list.selectedRows(), std::vector<int>({1, 2, 3, 4, 5, 8}));

    list.selectRows({3, 100});
    list.selectRows({});
    EXPECT_EQ(changes, 2) << "nothing new selected, no change";

    list.setSelected(2, false);
    list.setSelected(0, true);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(list.selectedRows(), std::vector<int>({0, 1, 3, 4, 5, 8}));
    list.deselectAll();
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(list.selCount(), 0);
}

TEST_F(ListBoxTest, SelectionFollowsItsRowsAndNothingElse)
{
    addRows({makeRow("A", true), makeRow("B"), makeRow("C")});
    children["A"] = {makeRow("a1"), makeRow("a2")};
    list.selectRows({0, 1, 2});
    changes = 0;

    list.setExpanded(0, true); // inside a selected run
    EXPECT_EQ(list.selectedRows(), std::vector<int>({0, 3, 4}));
    EXPECT_EQ(changes, 0);

    list.setSelected(2, true); // a2
    changes = 0;
    list.setExpanded(0, false);
    EXPECT_EQ(list.selectedRows(), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(changes, 1) << "a selected child went away";

    list.deselectAll();
    list.setSelected(rowNamed("A"), true);
    list.setSortAscending(false);
    list.sort();
    EXPECT_EQ(shape(list), QStringList({"C", "B", "A"}));
    EXPECT_EQ(list.selectedRows(), std::vector<int>({2}));

    changes = 0;
    list.removeAllRows();
    EXPECT_EQ(changes, 1);
    addRows({makeRow("A"), makeRow("B")});
    EXPECT_EQ(list.selCount(), 0);
}

TEST_F(ListBoxTest, UserClicksSelectAndRaiseChange)
{
    for (int i = 0; i < 6; ++i)
        list.addRow(makeRow(QString::number(i)));
    list.show();
    QApplication::processEvents();
    QWidget* viewport = list.findChild<QTreeView*>()->viewport();
    const auto rowPoint = [](int row) { return QPoint(100, row * 18 + 9); };

    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowPoint(1));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, rowPoint(3));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, rowPoint(5));
    EXPECT_EQ(list.selectedRows(), std::vector<int>({1, 2, 3, 5}));
    EXPECT_GE(changes, 3);
}

// --- geometry and appearance

TEST_F(ListBoxTest, RowHeightFollowsTheTextSize)
{
    const std::pair<int, int> cases[] = {{8, 18}, {12, 18}, {13, 19}, {14, 21}, {32, 48}};
    for (auto [size, height] : cases) {
        list.setTextSize(size);
        EXPECT_EQ(list.rowHeight(), height) << "text size " << size;
    }
    list.setRowHeight(25);
    EXPECT_EQ(list.rowHeight(), 25);
    list.setRowHeight(0);
    EXPECT_EQ(list.rowHeight(), 48);
}

TEST_F(ListBoxTest, HeaderIs16PixelsAndRowsMapToPointerPositions)
{
    for (int i = 0; i < 100; ++i)
        list.addRow(makeRow(QString::number(i)));
    list.setTextSize(12);
    list.show();
    QApplication::processEvents();

    EXPECT_EQ(list.findChild<QHeaderView*>()->height(), ListBox::kHeaderHeight);
    EXPECT_EQ(list.rowAt(16 + 5), 0);
    EXPECT_EQ(list.rowAt(16 + 20), 1);
    EXPECT_EQ(list.rowAt(5), -1);

    list.setScrollPosition(10);
    EXPECT_EQ(list.scrollPosition(), 10);
    EXPECT_EQ(list.rowAt(16 + 5), 10);
    // The view agrees: the row it draws at that height is the one rowAt names.
    auto* view = list.findChild<QTreeView*>();
    EXPECT_EQ(view->indexAt(QPoint(10, 20 + 1)).row(), 11);
    EXPECT_EQ(view->indexAt(QPoint(10, 18 * 3)).row(), 13);

    list.setScrollPosition(1000); // clamped to the last full page
    EXPECT_LT(list.scrollPosition(), 100);
    list.removeAllRows();
    EXPECT_EQ(list.rowAt(16 + 5), -1);
}

TEST_F(ListBoxTest, EvenRowsAreShadedAndTheShadingFollowsRowIndexes)
{
    addRows({makeRow("A", true), makeRow("B")});
    children["A"] = {makeRow("a1")};
    list.setAlternateRows(true);
    list.show();
    QApplication::processEvents();
    const auto colourAt = [&](int row) {
        const QImage image = list.grab().toImage();
        return QColor(image.pixel(300, 16 + row * 18 + 9)).name();
    };
    const QString base = list.findChild<QTreeView*>()->palette().color(QPalette::Base).name();
    ASSERT_NE(base, "#ececec");

    EXPECT_EQ(colourAt(0), "#ececec");
    EXPECT_EQ(colourAt(1), base);
    EXPECT_EQ(colourAt(4), "#ececec") << "empty row slots are striped too";
    list.setExpanded(0, true);
    EXPECT_EQ(colourAt(2), "#ececec"); // B moved from row 1 to row 2

    list.setAlternateRows(false);
    EXPECT_EQ(colourAt(0), base);
}

TEST_F(ListBoxTest, RowPictureIsDrawnByItsIdAndNewRowsShowAtOnce)
{
    list.show();
    QApplication::processEvents();
    QPixmap red(16, 16);
    red.fill(Qt::red);
    list.setPicture(130, red);
    ListRow withPicture = makeRow("P");
    withPicture.picture = 130;
    ListRow unknownPicture = makeRow("Q");
    unknownPicture.picture = 131;
    addRows({withPicture, unknownPicture});

    // No trip through the event loop: a forced repaint already shows the new rows.
    const QImage image = list.grab().toImage();
    const int pictureX = 2 + 14 + 8;
    EXPECT_EQ(QColor(image.pixel(pictureX, 16 + 9)), QColor(Qt::red));
    EXPECT_NE(QColor(image.pixel(pictureX, 16 + 18 + 9)), QColor(Qt::red));
}

TEST_F(ListBoxTest, PointerLeavingTheListIsReported)
{
    int exits = 0;
    list.onMouseExit = [&] { ++exits; };
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&list, &leave);
    EXPECT_EQ(exits, 1);
}

TEST_F(ListBoxTest, DrawingACellTextReportsIt)
{
    addRows({makeRow("A"), makeRow("B")});
    std::set<std::pair<int, int>> painted;
    list.onCellTextPaint = [&](int row, int column) { painted.insert({row, column}); };
    list.show();
    QApplication::processEvents();
    list.grab();
    EXPECT_TRUE(painted.count({0, 0}));
    EXPECT_TRUE(painted.count({1, 2}));
    EXPECT_FALSE(painted.count({0, 7})) << "a column of width 0 draws no text";
}

TEST_F(ListBoxTest, ColumnWidthsRoundTripAndBadEntriesAreIgnored)
{
    EXPECT_EQ(list.columnWidths(), "350,5,140,90,80,80,1,0,0");
    list.setColumnWidths("200, x,,-4,70");
    EXPECT_EQ(list.columnWidths(), "200,5,140,90,70,80,1,0,0");
}

// A drag of the mouse in the header from x by dx, in the header's own coordinates.
void dragInHeader(QHeaderView* head, int x, int dx)
{
    QWidget* target = head->viewport();
    const int y = head->height() / 2;
    auto send = [&](QEvent::Type type, int at, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at, y), target->mapToGlobal(QPointF(at, y)),
                      Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    };
    send(QEvent::MouseButtonPress, x, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        send(QEvent::MouseMove, x + dx * step / 4, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, x + dx, Qt::NoButton);
}

// Every column can be widened by its border, the hidden ones at the end of the header
// too; where borders coincide, a drag to the right opens the last of those columns.
TEST_F(ListBoxTest, EveryColumnBorderCanBeDragged)
{
    struct Case {
        const char* label;
        QString widths;
        int column; // whose right border is grabbed
        int offset; // pointer position from that border
        int dx;
        QString after;
    };
    const Case cases[] = {
        {"the last hidden column opens", "350,5,140,90,80,80,1,0,0", 8, 2, 40,
         "350,5,140,90,80,80,1,0,40"},
        {"then the one before it", "350,5,140,90,80,80,1,0,40", 7, 1, 30,
         "350,5,140,90,80,80,1,30,40"},
        {"the one-pixel column", "350,5,140,90,80,80,1,30,40", 6, 1, 20,
         "350,5,140,90,80,80,21,30,40"},
        {"a drag to the left narrows the column with a width", "350,5,140,90,80,80,0,0,0", 8,
         0, -30, "350,5,140,90,80,50,0,0,0"},
        {"a visible column", "350,5,140,90,80,80,1,0,0", 2, -1, 25, "350,5,165,90,80,80,1,0,0"},
        {"columns shrink to 0 at most", "350,5,140,90,80,80,1,0,0", 1, 0, -20,
         "350,0,140,90,80,80,1,0,0"},
    };
    list.show();
    auto* view = list.findChild<QTreeView*>();
    ASSERT_TRUE(view);
    QHeaderView* head = view->header();
    for (const Case& c : cases) {
        list.setColumnWidths(c.widths);
        QApplication::processEvents();
        // Scrolled as far right as the list goes, where the end of the header shows.
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        const int border = head->sectionViewportPosition(c.column) + head->sectionSize(c.column);
        EXPECT_LT(border + c.offset, head->viewport()->width()) << c.label << ": out of reach";
        dragInHeader(head, border + c.offset, c.dx);
        EXPECT_EQ(list.columnWidths(), c.after) << c.label;
    }
    list.setColumnWidths("350,5,140,90,80,80,1,0,0");
}

TEST_F(ListBoxTest, BadIndexesAreHarmless)
{
    addRows({makeRow("A")});
    EXPECT_TRUE(list.row(-1).name.isEmpty());
    EXPECT_TRUE(list.row(5).name.isEmpty());
    EXPECT_TRUE(list.cellText(3, 0).isEmpty());
    EXPECT_TRUE(list.cellText(0, 42).isEmpty());
    list.setExpanded(9, false);
    list.setSelected(-3, true);
    list.pressHeader(-1);
    list.pressHeader(9);
    list.setColumnAlignment(12, Qt::AlignRight);
    EXPECT_EQ(list.selCount(), 0);
    EXPECT_EQ(changes, 0);
}

// --- large lists: these must finish; the benchmark measures the time.

TEST_F(ListBoxTest, HundredThousandRowsSortExpandAndSelect)
{
    QRandomGenerator random(42);
    const int kRows = 100'000;
    for (int i = 0; i < kRows; ++i) {
        const QString name = QStringLiteral("%1 file").arg(random.bounded(1'000'000));
        list.addRow(makeRow(i % 2 ? name.toUpper() : name, i == 500));
    }
    list.pressHeader(0);
    ASSERT_EQ(list.rowCount(), kRows);
    for (int i = 1; i < kRows; ++i) {
        ASSERT_LE(list.row(i - 1).name.compare(list.row(i).name, Qt::CaseInsensitive), 0)
            << "row " << i;
    }

    int folder = 0;
    while (!list.row(folder).folderRow)
        ++folder;
    list.onExpandRow = [&](int) {
        for (int i = 0; i < 10'000; ++i)
            list.addRow(makeRow(QStringLiteral("child %1").arg(i)));
    };
    list.setExpanded(folder, true);
    ASSERT_EQ(list.rowCount(), kRows + 10'000);
    EXPECT_EQ(list.row(folder + 1).name, "child 0");
    EXPECT_EQ(list.row(folder + 10'000).name, "child 9999");
    EXPECT_EQ(list.row(folder + 10'000).depth, 1);

    std::vector<int> every11th;
    for (int i = 0; i < list.rowCount(); i += 11)
        every11th.push_back(i);
    list.selectRows(every11th);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.selCount(), static_cast<int>(every11th.size()));
    EXPECT_EQ(list.selectedRows(), every11th);
    list.sort();
    EXPECT_EQ(list.selCount(), static_cast<int>(every11th.size()));
    list.show();
    QApplication::processEvents();
}

} // namespace
