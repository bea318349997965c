#include "platform/gui/CheckBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/Window.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>
#include <QUrl>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <functional>
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

// The user opens the menu and takes a row, as with the keyboard in the open menu.
void chooseInMenu(PopupMenu& pop, int row)
{
    auto* combo = static_cast<QComboBox*>(pop.widget());
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

TEST(PopupMenu, ChoosingTheSelectedRowAgainActsWhereAsked)
{
    for (bool everyChoice : {false, true}) {
        Window w;
        w.show();
        PopupMenu pop(w, 10, 10, 150, 20);
        pop.addRow("Macintosh HD");
        pop.addRow("Other");
        pop.setEveryChoiceActs(everyChoice);
        int changes = 0;
        pop.onChange = [&] { ++changes; };
        pop.setListIndex(1);
        ASSERT_EQ(changes, 1);
        struct Step {
            const char* label;
            std::function<void()> act;
            int plain, every; // changes after it, without and with every choice acting
        };
        const Step steps[] = {
            {"the selected row from the menu", [&] { chooseInMenu(pop, 1); }, 1, 2},
            {"another row from the menu", [&] { chooseInMenu(pop, 0); }, 2, 3},
            {"the selected row by choose()", [&] { pop.choose(0); }, 2, 4},
            {"another row by choose()", [&] { pop.choose(1); }, 3, 5},
            {"the selected row from code", [&] { pop.setListIndex(1); }, 3, 5},
        };
        for (const Step& step : steps) {
            step.act();
            EXPECT_EQ(changes, everyChoice ? step.every : step.plain)
                << step.label << (everyChoice ? ", every choice acting" : "");
        }
        EXPECT_EQ(pop.listIndex(), 1);
    }
}

// A line of a help tag stays one line, however long; only its line breaks make new
// lines.
TEST(Control, HelpTagLinesAreNeverWrapped)
{
    Window w;
    w.show();
    PushButton button(w, 0, 0, 40, 23, "x");
    const QString tag = QString::fromUtf8(
        "Creator/Typeを変更するかどうか\r\rファイルのタイプはOSXではあまり利用されなく"
        "なったようですが、古いソフトを利用する場合など、必要な場合もあるので");
    button.setHelpTag(tag);
    QToolTip::showText(QPoint(0, 0), button.widget()->toolTip(), button.widget());
    QLabel* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            tip = static_cast<QLabel*>(top);
    ASSERT_TRUE(tip) << "no tooltip shown";
    const int lineHeight = tip->fontMetrics().lineSpacing();
    EXPECT_LT(tip->height(), 4 * lineHeight) << "three lines take " << tip->height() << " pixels";
    EXPECT_GT(tip->width(), tip->fontMetrics().horizontalAdvance(tag.section('\r', 2)) - 1);
    QToolTip::hideText();
}

// A box that takes folders and disks refuses a drag of a file from another program
// (the pointer then shows the drop is not possible) and takes one of a folder.
TEST(Control, AFolderDropTargetRefusesADragWithoutAFolder)
{
    TempDir tmp;
    tmp.file("note.txt", "x");
    tmp.folder("folder");
    Window w;
    w.show();
    RectangleShape box(w, 10, 10, 200, 30);
    box.setAcceptsFileDrops(true, Control::DropKind::FoldersAndDisks);
    int drops = 0;
    box.onDropObject = [&](const std::vector<FolderItemPtr>&) { ++drops; };
    const struct {
        const char* label;
        QList<QByteArray> paths;
        bool taken;
    } cases[] = {
        {"a file", {tmp / "note.txt"}, false},
        {"a folder", {tmp / "folder"}, true},
        {"a disk", {QByteArray("/")}, true},
        {"a file and a folder", {tmp / "note.txt", tmp / "folder"}, true},
    };
    for (const auto& c : cases) {
        QList<QUrl> urls;
        for (const QByteArray& path : c.paths)
            urls << QUrl::fromLocalFile(QString::fromUtf8(path));
        QMimeData data;
        data.setUrls(urls);
        const int before = drops;
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.widget(), &enter);
        EXPECT_EQ(enter.isAccepted(), c.taken) << c.label;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.widget(), &drop);
        EXPECT_EQ(drops - before, c.taken ? 1 : 0) << c.label;
        box.dropObject({FolderItem::fromPosixPath(c.paths.front())});
        EXPECT_EQ(drops - before, c.taken ? (c.paths.size() == 1 ? 2 : 1) : 0)
            << c.label << ", from the window's own drag";
    }
}

} // namespace
