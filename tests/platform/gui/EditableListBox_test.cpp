#include "platform/gui/EditableListBox.h"
#include "platform/gui/ModalWindow.h"
#include "platform/gui/PushButton.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A dialog with a three-column table and the two buttons that keys could press.
struct TableWindow : ModalWindow {
    EditableListBox list{*this, 10, 10, 260, 100, 3};
    PushButton cancel{*this, 100, 120, 60, 20, "取消"};
    PushButton ok{*this, 180, 120, 60, 20, "実行"};
    QString pressed;

    TableWindow() {
        setSize(280, 150);
        cancel.setCancel(true);
        ok.setDefault(true);
        ok.onAction = [this] { pressed += "ok"; };
        cancel.onAction = [this] { pressed += "cancel"; };
        list.setHeadings({"除外項目名称", "モード", ""});
        list.setColumnEditable(0, true);
        show();
        QApplication::processEvents();
    }

    QStringList column(int c) const {
        QStringList out;
        for (int row = 0; row < list.rowCount(); ++row)
            out << list.cell(row, c);
        return out;
    }
    QLineEdit* editor() const {
        QTreeWidget* t = list.tree();
        return qobject_cast<QLineEdit*>(t->indexWidget(t->currentIndex()));
    }
    void click(int row, int column, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTreeWidget* t = list.tree();
        const QRect cell = t->visualRect(t->model()->index(row, column));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, mods, cell.center());
    }
};

TEST(EditableListBox, ColumnWidthsFromPixelsSharesAndTheRest) {
    using Widths = std::array<int, 3>;
    const struct {
        const char* widths;
        std::function<Widths(int total)> expected;
    } cases[] = {
        {"75%,,0",
         [](int t) {
             return Widths{t * 3 / 4, t - t * 3 / 4, 0};
         }},
        {"40,,",
         [](int t) {
             return Widths{40, (t - 40) / 2, (t - 40) / 2};
         }},
        {"50,60,0",
         [](int) {
             return Widths{50, 60, 0};
         }},
        {",,",
         [](int t) {
             return Widths{t / 3, t / 3, t / 3};
         }},
        {"",
         [](int t) {
             return Widths{t / 3, t / 3, t / 3};
         }},
        {"x,-5,10",
         [](int t) {
             return Widths{(t - 10) / 2, (t - 10) / 2, 10};
         }},
    };
    for (const auto& c : cases) {
        TableWindow w;
        w.list.setColumnWidths(c.widths);
        const Widths expected = c.expected(w.list.tree()->viewport()->width());
        for (int column = 0; column < 3; ++column)
            EXPECT_NEAR(w.list.columnWidth(column), expected[size_t(column)], 1)
                << c.widths << " column " << column;
        EXPECT_EQ(w.list.tree()->isColumnHidden(2), expected[2] == 0) << c.widths;
    }
}

TEST(EditableListBox, SharesFollowTheListsWidth) {
    TableWindow w;
    w.list.setColumnWidths("75%,,0");
    w.list.setBounds(10, 10, 460, 100);
    QApplication::processEvents();
    const int total = w.list.tree()->viewport()->width();
    EXPECT_NEAR(w.list.columnWidth(0), total * 3 / 4, 1);
    EXPECT_NEAR(w.list.columnWidth(1), total / 4, 1);
    EXPECT_EQ(w.list.columnWidth(2), 0);
}

TEST(EditableListBox, CellsOutOfRangeAreIgnored) {
    TableWindow w;
    w.list.addRow({".DS_Store"}); // missing cells are empty
    w.list.setCell(5, 0, "x");
    w.list.setCell(0, 7, "x");
    w.list.removeRow(-1);
    w.list.removeRow(3);
    w.list.editCell(4, 0);
    w.list.editCell(0, 1); // not an editable column
    EXPECT_FALSE(w.list.isEditing());
    EXPECT_EQ(w.list.rowCount(), 1);
    EXPECT_EQ(w.list.cell(0, 0), ".DS_Store");
    EXPECT_EQ(w.list.cell(0, 1), "");
    EXPECT_EQ(w.list.cell(-1, 0), "");
    EXPECT_EQ(w.list.cell(0, 3), "");
    EXPECT_FALSE(w.list.selected(9));
}

TEST(EditableListBox, HeadingSortsIgnoringCaseTiesByExactTextAndReverses) {
    TableWindow w;
    for (const char* name : {"b", "B", "a", "C", "b"})
        w.list.addRow({name, QString::fromLatin1(name) + "-mode"});
    w.list.setSelected(2, true); // "a"
    w.list.pressHeader(0);
    EXPECT_EQ(w.column(0), QStringList({"a", "B", "b", "b", "C"}));
    EXPECT_TRUE(w.list.selected(0)) << "the selection goes with its row";
    EXPECT_EQ(w.list.selCount(), 1);
    EXPECT_EQ(w.column(1).first(), "a-mode") << "rows move whole";
    w.list.pressHeader(0);
    EXPECT_EQ(w.column(0), QStringList({"C", "b", "b", "B", "a"}));
    EXPECT_FALSE(w.list.sortAscending());
    w.list.pressHeader(1);
    EXPECT_TRUE(w.list.sortAscending()) << "another heading starts ascending";
    QTest::mouseClick(w.list.tree()->header()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, 5));
    EXPECT_EQ(w.list.sortedColumn(), 0) << "a click on the heading sorts";
}

TEST(EditableListBox, ClickInAnEditableColumnEditsReturnKeepsEscapeRestores) {
    TableWindow w;
    w.list.addRow({".DS_Store", "と一致"});
    w.list.addRow({"", "と一致"});
    w.click(1, 0);
    ASSERT_TRUE(w.list.isEditing());
    ASSERT_TRUE(w.editor());
    EXPECT_TRUE(w.list.selected(1));
    QTest::keyClicks(w.editor(), ".git");
    QTest::keyClick(w.editor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(w.list.isEditing());
    EXPECT_EQ(w.list.cell(1, 0), ".git");
    EXPECT_EQ(w.pressed, "") << "Return while typing a cell does not reach the default button";

    w.list.editCell(0, 0);
    ASSERT_TRUE(w.editor());
    w.editor()->setText("changed");
    QTest::keyClick(w.editor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(w.list.cell(0, 0), ".DS_Store");
    EXPECT_EQ(w.pressed, "") << "nor Escape the cancel button";

    w.click(0, 1);
    EXPECT_FALSE(w.list.isEditing()) << "other columns are not edited";
    w.list.editCell(1, 0);
    w.editor()->setText("kept");
    w.list.endEditing();
    EXPECT_EQ(w.list.cell(1, 0), "kept");
}

TEST(EditableListBox, CellClickHandlerTakesOrLeavesTheClick) {
    TableWindow w;
    for (const char* name : {"a", "b", "c"})
        w.list.addRow({name, "と一致"});
    struct Click {
        int row, column;
        int x, y;
    };
    std::vector<Click> clicks;
    bool take = true;
    w.list.onCellClick = [&](int row, int column, int x, int y) {
        clicks.push_back({row, column, x, y});
        return take;
    };
    w.click(1, 1);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].row, 1);
    EXPECT_EQ(clicks[0].column, 1);
    const QRect cell = w.list.tree()->visualRect(w.list.tree()->model()->index(1, 1));
    EXPECT_EQ(QPoint(clicks[0].x, clicks[0].y), cell.center() - cell.topLeft())
        << "within the cell";
    EXPECT_EQ(w.list.selCount(), 0) << "a click the handler took does nothing else";

    take = false;
    w.click(0, 1);
    EXPECT_TRUE(w.list.selected(0));
    w.click(2, 1, Qt::ControlModifier);
    EXPECT_EQ(w.list.selCount(), 2) << "Ctrl adds to the selection";

    // A handler that selects a row alone keeps that selection against Ctrl.
    w.list.onCellClick = [&](int row, int, int, int) {
        for (int other = 0; other < w.list.rowCount(); ++other)
            w.list.setSelected(other, other == row);
        return false;
    };
    w.click(1, 1, Qt::ControlModifier);
    EXPECT_TRUE(w.list.selected(1));
    EXPECT_EQ(w.list.selCount(), 1);
}

} // namespace
