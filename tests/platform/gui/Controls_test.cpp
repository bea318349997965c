#include "platform/gui/CheckBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct CheckStep {
    bool set;
    int actionsAfter; // running total
};

TEST(CheckBox, ActionRunsOnlyWhenTheValueChanges)
{
    Window w;
    CheckBox box(w, 10, 10, 80, 20, "書込み\rOn/Off");
    int actions = 0;
    box.onAction = [&] { ++actions; };
    const CheckStep steps[] = {{false, 0}, {true, 1}, {true, 1}, {false, 2}, {false, 2}};
    for (const CheckStep& s : steps) {
        box.setValue(s.set);
        EXPECT_EQ(box.value(), s.set);
        EXPECT_EQ(actions, s.actionsAfter) << "after setValue(" << s.set << ")";
    }
    QTest::mouseClick(box.widget(), Qt::LeftButton);
    EXPECT_TRUE(box.value());
    EXPECT_EQ(actions, 3);
}

TEST(PopupMenu, SelectingFromCodeRaisesChangeLikeAChoice)
{
    Window w;
    PopupMenu pop(w, 10, 10, 150, 20);
    int changes = 0;
    pop.onChange = [&] { ++changes; };
    pop.addRow("Macintosh HD");
    pop.addRow("-");
    pop.addRow("このリストを全消去");
    EXPECT_EQ(pop.listIndex(), -1) << "adding rows selects none";
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(pop.list(1), "-");

    pop.setListIndex(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pop.text(), "このリストを全消去");
    pop.setListIndex(2);
    EXPECT_EQ(changes, 1) << "the same row again is no change";
    pop.setListIndex(7);
    EXPECT_EQ(pop.listIndex(), 2) << "out of range is ignored";
    pop.setListIndex(0);
    EXPECT_EQ(changes, 2);
}

TEST(PopupMenu, RemovingRowsIsNotAChoice)
{
    Window w;
    PopupMenu pop(w, 10, 10, 150, 20);
    for (const char* t : {"a", "b", "c"})
        pop.addRow(t);
    pop.setListIndex(1);
    int changes = 0;
    pop.onChange = [&] { ++changes; };
    pop.removeRow(1);
    EXPECT_EQ(pop.listIndex(), -1) << "no other row takes the removed one's place";
    pop.setListIndex(0);
    pop.removeRow(1);
    EXPECT_EQ(pop.listIndex(), 0);
    pop.deleteAllRows();
    EXPECT_EQ(pop.listCount(), 0);
    EXPECT_EQ(changes, 1) << "only the setListIndex(0)";
    pop.removeRow(5); // nothing there: no crash
}

QPixmap filled(QColor c, int size)
{
    QPixmap pm(size, size);
    pm.fill(c);
    return pm;
}

TEST(PictButtonClass, ActsOnPressOnlyWhileActive)
{
    Window w;
    PictButtonClass button(w, 11, 8, 24, 24);
    button.activePict = filled(Qt::blue, 24);
    button.inactivePict = filled(Qt::gray, 24);
    int actions = 0;
    button.onAction = [&] { ++actions; };

    QTest::mousePress(button.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(actions, 0) << "dimmed at creation ignores presses";

    button.setValue(true);
    EXPECT_EQ(button.backdrop().cacheKey(), button.activePict.cacheKey())
        << "setValue installs the picture at once";
    QTest::mousePress(button.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(actions, 1) << "the action comes with the press";
    QTest::mouseRelease(button.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(actions, 1) << "not again with the release";

    button.setValue(false);
    EXPECT_EQ(button.backdrop().cacheKey(), button.inactivePict.cacheKey());
    EXPECT_FALSE(button.MouseDown(1, 1));
    EXPECT_EQ(actions, 1);
}

TEST(PushButton, TwoLineCaptionShowsBothLinesIn23Pixels)
{
    Window w;
    PushButton button(w, 10, 387, 50, 23, "可視／\r不可視");
    button.setTextSize(9);
    EXPECT_EQ(button.widget()->font().pixelSize(), 9);
    QImage img(button.widget()->size(), QImage::Format_ARGB32);
    img.fill(Qt::white);
    button.widget()->render(&img);
    // Ink must appear in both the upper and the lower half of the button's face.
    auto inkIn = [&](int y0, int y1) {
        int dark = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 6; x < img.width() - 6; ++x)
                dark += qGray(img.pixel(x, y)) < 100;
        return dark;
    };
    EXPECT_GT(inkIn(2, 11), 0);
    EXPECT_GT(inkIn(12, 21), 0);
}

TEST(Control, HelpTagKeepsLineBreaksAndFullWidthSpaces)
{
    Window w;
    PushButton button(w, 0, 0, 40, 23, "x");
    button.setHelpTag(QString::fromUtf8("　　選択項目の名称を変更\r（不可視のままでも処理可能）<>"));
    const QString tip = button.widget()->toolTip();
    EXPECT_TRUE(tip.contains(QString::fromUtf8("　　選択項目")));
    EXPECT_TRUE(tip.contains("<br>"));
    EXPECT_TRUE(tip.contains("&lt;&gt;")) << "the text is escaped, not taken as markup";
    EXPECT_EQ(button.helpTag().count('\r'), 1);
}

} // namespace
