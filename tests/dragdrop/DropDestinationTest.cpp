#include "platform/gui/CheckBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Timer.h"
#include "support/WindowTest.h"

#include <QWidget>
#include <unistd.h>

namespace {

// The base folder "f" on "HD": an expanded folder "sub" holding "inner.txt", a file, an
// application, a package, an alias to a folder and one to a file, and enough files to
// scroll. Writing is on.
class DropDestination : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_tmp.folder("hd/f");
        m_tmp.folder("hd/f/sub");
        m_tmp.file("hd/f/sub/inner.txt", "x");
        m_tmp.file("hd/f/top.txt", "x");
        m_tmp.folder("hd/f/Tool.app");
        m_tmp.folder("hd/f/Bundle.pkg");
        m_tmp.folder("hd/f/Bundle.pkg/Contents");
        ::symlink((m_hd + "/f/sub").constData(), (m_hd + "/f/toSub").constData());
        ::symlink((m_hd + "/f/top.txt").constData(), (m_hd + "/f/toTop").constData());
        for (int i = 0; i < 40; ++i)
            m_tmp.file("hd/f/z" + QByteArray::number(100 + i), "x");
        listFolder("f");
        list().setExpanded(rowNamed("sub"), true);
        w().CopyCheckBox->setValue(true);
    }

    int checkedRow()
    {
        int found = -1;
        for (int row = 0; row < list().rowCount(); ++row)
            if (list().cellCheck(row)) {
                EXPECT_EQ(found, -1) << "two rows checked";
                found = row;
            }
        return found;
    }
    QString checkedName()
    {
        const int row = checkedRow();
        return row < 0 ? QString() : list().row(row).name;
    }
    // Puts the pointer at x, y of the list's own coordinates (the header's top left is 0, 0).
    void pointAtList(int x, int y)
    {
        const QPoint inWindow(w().FileListBoxControl->left() + x, w().FileListBoxControl->top() + y);
        m_input.point = w().surface()->mapToGlobal(inWindow);
    }
    void dragInFromOtherProgram()
    {
        m_input.button = true;
        w().FileListBox_MouseEnter();
    }
    int rowY(int row)
    {
        const int rh = w().culcRowHeight(&list());
        return ListBox::kHeaderHeight + (row - list().scrollPosition()) * rh + rh / 2;
    }
};

TEST_F(DropDestination, TheRowUnderThePointerOrTheFolderThatListsIt)
{
    struct Case {
        const char* row;       // "" for the header (-1), "past" for past the last row
        const char* checked;   // the row marked; "" when the base folder is
        const char* destination;
    } cases[] = {
        {"sub", "sub", "sub"},
        {"inner.txt", "sub", "sub"},
        {"top.txt", "", "f"},
        {"Tool.app", "", "f"},
        {"Bundle.pkg", "", "f"},
        {"toSub", "toSub", "toSub"},
        {"toTop", "", "f"},
        {"", "", "f"},
        {"past", "", "f"},
    };
    w().prepareCheckMarks(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const QString row = QString::fromLatin1(c.row);
        const int n = row.isEmpty() ? -1 : row == "past" ? list().rowCount() : rowNamed(row);
        w().checkMarkSetOnFolder(n);
        EXPECT_EQ(checkedName(), QString::fromLatin1(c.checked));
        EXPECT_EQ(w().BaseCheckBox->value(), !*c.checked);
        ASSERT_TRUE(w().destFolder);
        EXPECT_EQ(w().destFolder->name(), QString::fromLatin1(c.destination));
        EXPECT_EQ(w().DestDispField->text(), QStringLiteral("保存先：") + c.destination);
    }
}

TEST_F(DropDestination, ARowWhoseItemVanishedSendsTheDropToTheBaseFolder)
{
    w().prepareCheckMarks(true);
    ASSERT_EQ(::unlink((m_hd + "/f/sub/inner.txt").constData()), 0);
    w().checkMarkSetOnFolder(rowNamed("inner.txt"));
    EXPECT_EQ(checkedRow(), -1);
    EXPECT_TRUE(w().BaseCheckBox->value());
    EXPECT_EQ(w().destFolder->name(), QStringLiteral("f"));
}

TEST_F(DropDestination, TheModeShowsItsControlsAndLeavesNoMarkBehind)
{
    w().prepareCheckMarks(true);
    EXPECT_TRUE(list().checkBoxColumn());
    EXPECT_TRUE(w().BaseCheckBox->visible());
    EXPECT_TRUE(w().DestDispField->visible());
    w().checkMarkSetOnFolder(rowNamed("sub"));
    w().prepareCheckMarks(false);
    EXPECT_FALSE(list().checkBoxColumn());
    EXPECT_FALSE(w().BaseCheckBox->visible());
    EXPECT_FALSE(w().DestDispField->visible());
    EXPECT_EQ(w().DestDispField->text(), QString());
    w().prepareCheckMarks(true);
    EXPECT_EQ(checkedRow(), -1) << "a new drag starts without the old mark";
    list().setCellCheck(rowNamed("sub"), true);
    w().prepareCheckMarks(false);
    list().setCellCheck(rowNamed("sub"), true);
    EXPECT_FALSE(list().cellCheck(rowNamed("sub"))) << "no marks outside the mode";
}

TEST_F(DropDestination, TheTrackerFollowsThePointer)
{
    dragInFromOtherProgram();
    ASSERT_EQ(w().Timer1->mode(), Timer::Mode::Repeating);

    pointAtList(100, rowY(rowNamed("inner.txt")));
    w().Timer1_Action();
    EXPECT_EQ(checkedName(), QStringLiteral("sub"));

    pointAtList(100, 8); // the header
    w().Timer1_Action();
    EXPECT_EQ(checkedRow(), -1);
    EXPECT_TRUE(w().BaseCheckBox->value());

    pointAtList(100, rowY(rowNamed("toSub")));
    w().Timer1_Action();
    EXPECT_EQ(checkedName(), QStringLiteral("toSub"));
    pointAtList(-5, rowY(rowNamed("sub"))); // left of the list: the mark stays
    w().Timer1_Action();
    EXPECT_EQ(checkedName(), QStringLiteral("toSub"));
    pointAtList(w().FileListBoxControl->width() + 5, rowY(rowNamed("sub")));
    w().Timer1_Action();
    EXPECT_EQ(checkedName(), QStringLiteral("toSub"));
}

TEST_F(DropDestination, TheEdgesScrollOneRowPerTick)
{
    dragInFromOtherProgram();
    const int height = w().FileListBoxControl->height();
    pointAtList(100, height - 5);
    w().Timer1_Action();
    w().Timer1_Action();
    EXPECT_EQ(list().scrollPosition(), 2);
    pointAtList(100, 20);
    w().Timer1_Action();
    EXPECT_EQ(list().scrollPosition(), 1);
    w().Timer1_Action();
    w().Timer1_Action();
    EXPECT_EQ(list().scrollPosition(), 0) << "stops at the first row";
    pointAtList(w().FileListBoxControl->width() - 8, height - 5); // over the scroll bar
    w().Timer1_Action();
    EXPECT_EQ(list().scrollPosition(), 0);
}

TEST_F(DropDestination, ADragFromAnotherProgramEntersAndLeaves)
{
    struct Case {
        const char* what;
        bool writing, button, listsOwnDrag;
        bool modeOn;
    } cases[] = {
        {"drag from elsewhere", true, true, false, true},
        {"writing off", false, true, false, false},
        {"no button", true, false, false, false},
        {"the list's own drag", true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w().CopyCheckBox->setValue(c.writing);
        w().nowDragging = c.listsOwnDrag;
        m_input.button = c.button;
        w().FileListBox_MouseEnter();
        EXPECT_EQ(list().checkBoxColumn(), c.modeOn);
        EXPECT_EQ(w().Timer1->mode() == Timer::Mode::Repeating, c.modeOn);
        EXPECT_EQ(w().backColor() == QColor(0xCC, 0xCC, 0xFF), c.modeOn);
        EXPECT_EQ(w().DragCancelButton->enabled(), c.modeOn);
        w().nowDragging = false;
        w().FileListBox_MouseExit();
        EXPECT_FALSE(list().checkBoxColumn());
        EXPECT_EQ(w().Timer1->mode(), Timer::Mode::Off);
        EXPECT_EQ(w().backColor(), w().WindowBackColor);
        w().DragCancelButton->setEnabled(false);
    }
}

TEST_F(DropDestination, EscapeEndsADragFromAnotherProgramUntilTheButtonComesUp)
{
    dragInFromOtherProgram();
    m_input.escape = true;
    w().Timer1_Action();
    EXPECT_FALSE(list().checkBoxColumn());
    EXPECT_EQ(w().Timer1->mode(), Timer::Mode::Off);
    EXPECT_TRUE(w().cancelDragFromExt);
    EXPECT_TRUE(w().couldntCancelMouseDown);
    EXPECT_EQ(w().Timer2->mode(), Timer::Mode::Repeating);

    w().FileListBox_MouseEnter(); // the pointer comes back with the button still down
    EXPECT_FALSE(list().checkBoxColumn());
    w().Timer2_Action();
    EXPECT_TRUE(w().couldntCancelMouseDown);
    m_input.button = false;
    w().Timer2_Action();
    EXPECT_FALSE(w().couldntCancelMouseDown);
    EXPECT_FALSE(w().cancelDragFromExt);
    EXPECT_EQ(w().Timer2->mode(), Timer::Mode::Off);
}

TEST_F(DropDestination, AMouseDownOrActivationResetsAModeLeftOn)
{
    for (int how = 0; how < 2; ++how) {
        dragInFromOtherProgram();
        w().nowDragging = true;
        if (how == 0)
            w().MouseDown(5, 5);
        else
            w().Activate();
        EXPECT_FALSE(list().checkBoxColumn());
        EXPECT_FALSE(w().nowDragging);
        EXPECT_FALSE(w().DragCancelButton->enabled());
        EXPECT_EQ(w().Timer1->mode(), Timer::Mode::Off);
        EXPECT_EQ(w().backColor(), w().WindowBackColor);
    }
    w().nowDragging = true;
    w().MouseDown(5, 5);
    EXPECT_TRUE(w().nowDragging) << "no mode on: nothing to reset";
}

TEST_F(DropDestination, TheTrashAnnouncement)
{
    w().prepareTrashDrop(true);
    EXPECT_EQ(w().backColor(), QColor(0xFF, 0xE5, 0xF0));
    EXPECT_TRUE(w().DestDispField->visible());
    EXPECT_EQ(w().DestDispField->text(), QStringLiteral("ゴミ箱へ移動"));
    w().prepareTrashDrop(false);
    EXPECT_EQ(w().backColor(), w().WindowBackColor);
    EXPECT_FALSE(w().DestDispField->visible());
    EXPECT_EQ(w().DestDispField->text(), QString());
}

} // namespace
