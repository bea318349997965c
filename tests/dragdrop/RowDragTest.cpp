#include "platform/gui/Canvas.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Timer.h"
#include "support/WindowTest.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace {

// The base folder "f" on "HD" with a folder and three files; writing is on. Drags are
// driven by steps 10 ms apart, as the user's hand would move: the loop samples the
// pointer many times between two steps.
class RowDrag : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_tmp.folder("hd/f");
        m_tmp.folder("hd/f/dir");
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            m_tmp.file(QByteArray("hd/f/") + name, "x");
        listFolder("f");
        w().CopyCheckBox->setValue(true);
        w().FileListBoxControl->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
            for (const FolderItemPtr& item : items)
                m_droppedOnList << item->name();
        };
        m_stepper.setInterval(10);
        QObject::connect(&m_stepper, &QTimer::timeout, [this] {
            if (m_steps.empty()) {
                m_input.button = false; // the hand lets go in the end, whatever the test said
                return;
            }
            auto step = m_steps.front();
            m_steps.pop_front();
            step();
        });
    }
    void TearDown() override
    {
        m_stepper.stop();
        WindowTest::TearDown();
    }

    QPoint global(int windowX, int windowY) { return w().surface()->mapToGlobal(QPoint(windowX, windowY)); }
    void moveTo(int windowX, int windowY) { m_input.point = global(windowX, windowY); }
    QPoint overRow(const QString& name)
    {
        const int rh = w().culcRowHeight(&list());
        return {w().FileListBoxControl->left() + 100,
                w().FileListBoxControl->top() + ListBox::kHeaderHeight +
                    (rowNamed(name) - list().scrollPosition()) * rh + rh / 2};
    }
    QPoint centreOf(const Control& c) { return {c.left() + c.width() / 2, c.top() + c.height() / 2}; }

    // Presses on a row, runs the steps, and lets go where the last step left the pointer.
    bool drag(const QString& rowName, std::vector<std::function<void()>> steps)
    {
        const QPoint start = overRow(rowName);
        moveTo(start.x(), start.y());
        m_input.button = true;
        m_steps.assign(steps.begin(), steps.end());
        m_steps.push_back([this] { m_input.button = false; });
        m_stepper.start();
        m_carried.clear();
        const bool perform = list().onDragRow(m_carried, rowNamed(rowName));
        m_stepper.stop();
        return perform;
    }
    QStringList carriedNames()
    {
        QStringList out;
        for (const FolderItemPtr& item : m_carried)
            out << (item ? item->name() : QString());
        return out;
    }
    void expectIdleLook()
    {
        EXPECT_FALSE(list().checkBoxColumn());
        EXPECT_FALSE(w().DragCanvas->visible());
        EXPECT_FALSE(w().DragCancelButton->enabled());
        EXPECT_EQ(w().Timer1->mode(), Timer::Mode::Off);
        EXPECT_EQ(w().backColor(), w().WindowBackColor);
    }

    QTimer m_stepper;
    std::deque<std::function<void()>> m_steps;
    std::vector<FolderItemPtr> m_carried;
    QStringList m_droppedOnList;
};

TEST_F(RowDrag, WithWritingOffNoRowMoves)
{
    w().CopyCheckBox->setValue(false);
    EXPECT_FALSE(drag("a.txt", {}));
    EXPECT_FALSE(w().nowDragging);
    EXPECT_TRUE(m_droppedOnList.isEmpty());
}

TEST_F(RowDrag, TheDraggedRowComesFirstThenTheSelectedRowsInListOrder)
{
    list().setSelected(rowNamed("c.txt"), true);
    list().setSelected(rowNamed("a.txt"), true);
    const QPoint dir = overRow("dir");
    drag("b.txt", {[&] { moveTo(dir.x(), dir.y()); }});
    EXPECT_EQ(carriedNames(), (QStringList{"b.txt", "a.txt", "c.txt"}));
    EXPECT_EQ(m_droppedOnList, (QStringList{"b.txt", "a.txt", "c.txt"}));
    EXPECT_TRUE(w().nowDragging) << "the list's drop handler ends the drag";
    expectIdleLook();
}

TEST_F(RowDrag, TheWindowShowsTheDragWhileTheButtonIsHeld)
{
    list().setSelected(rowNamed("a.txt"), true);
    const QPoint inList = overRow("dir");
    const QPoint trash = centreOf(*w().TrashButton);
    bool sawList = false, sawTrash = false, sawCanvas = false;
    drag("a.txt", {[&] { moveTo(inList.x(), inList.y()); },
                   [&] {
                       sawList = list().checkBoxColumn() && w().backColor() == QColor(0xFF, 0xEB, 0xC9);
                       sawCanvas = w().DragCanvas->visible() &&
                                   w().DragCanvas->left() == inList.x() - (overRow("a.txt").x() - w().FileListBoxControl->left());
                       moveTo(trash.x(), trash.y());
                   },
                   [&] {
                       sawTrash = !list().checkBoxColumn() &&
                                  w().DestDispField->text() == QStringLiteral("ゴミ箱へ移動") &&
                                  w().backColor() == QColor(0xFF, 0xE5, 0xF0);
                       moveTo(-20, 100);
                   }});
    EXPECT_TRUE(sawList);
    EXPECT_TRUE(sawCanvas);
    EXPECT_TRUE(sawTrash);
}

TEST_F(RowDrag, GivingUpDropsNothing)
{
    struct Case {
        const char* how;
        std::function<void()> step;
        bool waitsForRelease;
    } cases[] = {
        {"released outside the window", [this] { moveTo(-30, 50); }, false},
        {"Escape", [this] { m_input.escape = true; }, true},
        {"released on the cancel button",
         [this] { const QPoint c = centreOf(*w().DragCancelButton); moveTo(c.x(), c.y()); }, false},
        {"released on a part of the window that takes no drop",
         [this] { const QPoint c = centreOf(*w().HelpButton); moveTo(c.x(), c.y()); }, false},
        {"a file released on the base-folder box",
         [this] { const QPoint c = centreOf(*w().BaseDropBox); moveTo(c.x(), c.y()); }, false},
    };
    const QString base = w().baseFolder[size_t(w().curBase)]->posixPath();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        m_droppedOnList.clear();
        w().couldntCancelMouseDown = false;
        w().Timer2->setMode(Timer::Mode::Off);
        drag("a.txt", {c.step});
        EXPECT_FALSE(w().nowDragging);
        EXPECT_TRUE(m_droppedOnList.isEmpty());
        EXPECT_EQ(w().couldntCancelMouseDown, c.waitsForRelease);
        EXPECT_EQ(w().Timer2->mode() == Timer::Mode::Repeating, c.waitsForRelease);
        EXPECT_EQ(QString(w().baseFolder[size_t(w().curBase)]->posixPath()), base);
        expectIdleLook();
    }
}

TEST_F(RowDrag, AFolderReleasedOnTheBaseFolderBoxBecomesTheBaseFolder)
{
    const QPoint box = centreOf(*w().BaseDropBox);
    drag("dir", {[&] { moveTo(box.x(), box.y()); }});
    EXPECT_EQ(w().baseFolder[size_t(w().curBase)]->name(), QStringLiteral("dir"));
}

TEST_F(RowDrag, AnOutwardDragIsSettledAfterTheButtonComesUp)
{
    w().ExternalDragCheckBox->setValue(true);
    ASSERT_TRUE(w().externalDragOk);
    m_input.button = true;
    std::vector<FolderItemPtr> carried;
    EXPECT_TRUE(w().FileListBox_DragRow(carried, rowNamed("a.txt")));
    EXPECT_TRUE(w().nowDragging);
    EXPECT_TRUE(w().fromListToExtDragging);
    EXPECT_TRUE(w().dragToExtHappened);
    EXPECT_EQ(w().Timer3->mode(), Timer::Mode::Repeating);
    w().Timer3_Action();
    EXPECT_TRUE(w().nowDragging) << "the button is still down";
    m_input.button = false;
    w().Timer3_Action();
    EXPECT_FALSE(w().nowDragging);
    EXPECT_EQ(w().Timer3->mode(), Timer::Mode::Off);
    EXPECT_EQ(w().Timer4->mode(), Timer::Mode::Once);
    EXPECT_TRUE(w().fromListToExtDragging);
    w().Timer4_Action();
    EXPECT_FALSE(w().fromListToExtDragging);
}

TEST_F(RowDrag, TheListIsReadAgainWhenThePointerComesBackAfterAnOutwardDrag)
{
    m_tmp.file("hd/f/arrived.txt", "x"); // what the other program may have made
    w().MouseEnter();
    EXPECT_LT(rowNamed("arrived.txt"), 0) << "no outward drag happened: no refresh";
    w().dragToExtHappened = true;
    w().MouseEnter();
    EXPECT_GE(rowNamed("arrived.txt"), 0);
    EXPECT_FALSE(w().dragToExtHappened);
}

TEST_F(RowDrag, ThePictureShowsOnlyTheSelectedRowsThatExist)
{
    list().setSelected(rowNamed("b.txt"), true);
    w().setupDragCanvas();
    const QImage picture = w().DragCanvas->backdrop().toImage();
    const int rh = w().culcRowHeight(&list());
    EXPECT_EQ(picture.width(), w().FileListBoxControl->width() - 16);
    EXPECT_EQ(picture.height() % rh, 0);
    EXPECT_GE(picture.height(), w().FileListBoxControl->height() - 16);
    for (int row = 0; row < picture.height() / rh; ++row) {
        const bool band = row == rowNamed("b.txt");
        SCOPED_TRACE(row);
        EXPECT_EQ(qAlpha(picture.pixel(picture.width() / 2, row * rh + rh / 2)) > 0, band);
    }
}

} // namespace
