#include "mainwindow/Window1.h"

#include "platform/gui/Application.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PictureArt.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/Timer.h"

#include <cmath>

namespace {

const QColor kInWindowDragColor(0xFF, 0xEB, 0xC9);

bool inside(int x, int y, int width, int height)
{
    return 0 < x && x < width && 0 < y && y < height;
}

} // namespace

bool Window1::FileListBox_DragRow(std::vector<FolderItemPtr>& drag, int row)
{
    if (!CopyCheckBox->value())
        return false;
    nowDragging = true;
    DragCancelButton->setEnabled(true);

    drag.clear();
    drag.push_back(getRowFolderItem(row, true));
    for (int r = 0; r < FileListBox->rowCount(); ++r)
        if (r != row && FileListBox->selected(r))
            drag.push_back(getRowFolderItem(r, true));

    if (externalDragOk) {
        fromListToExtDragging = true;
        dragToExtHappened = true;
        Timer3->setMode(Timer::Mode::Repeating);
        return true;
    }
    return trackInWindowDrag();
}

// The drag stays the program's own while the button is held, so that it can show the
// destination and the trash; a released button inside the window drops at once.
bool Window1::trackInWindowDrag()
{
    Services& services = Services::instance();
    InputSource& input = services.input();
    prepareCheckMarks(true);
    Timer1->setMode(Timer::Mode::Repeating);
    setBackColor(kInWindowDragColor);
    setupDragCanvas();
    DragCanvas->setVisible(true);
    const QPoint start = services.pointerIn(*this);
    const int offX = start.x() - FileListBoxControl->left();
    const int offY = start.y() - FileListBoxControl->top() - ListBox::kHeaderHeight;
    bool inList = false, overTrash = false, givenUp = false;
    input.clearEscape();

    while (input.mouseDown()) {
        const QPoint p = services.pointerIn(*this);
        givenUp = p.x() < 0 || p.x() > width() || p.y() < 0 || p.y() > height();
        if (input.escapePressed()) {
            input.clearEscape();
            givenUp = true;
            couldntCancelMouseDown = true;
            Timer2->setMode(Timer::Mode::Repeating);
            break;
        }
        const int x = p.x() - FileListBoxControl->left();
        const int y = p.y() - FileListBoxControl->top();
        const int tx = p.x() - TrashButton->left();
        const int ty = p.y() - TrashButton->top();
        const int listWidth = FileListBoxControl->width();
        const int listHeight = FileListBoxControl->height();
        if (0 < x && x < listWidth) {
            if (16 < y && y < 26)
                FileListBox->setScrollPosition(FileListBox->scrollPosition() - 1);
            else if (listHeight - 10 < y && y < listHeight)
                FileListBox->setScrollPosition(FileListBox->scrollPosition() + 1);
        }
        DragCanvas->setBounds(p.x() - offX, p.y() - offY, DragCanvas->width(),
                              DragCanvas->height());
        if (inside(x, y, listWidth, listHeight)) {
            if (!inList) {
                inList = true;
                setBackColor(kInWindowDragColor);
                prepareCheckMarks(true);
                Timer1->setMode(Timer::Mode::Repeating);
            }
        } else if (inList) {
            inList = false;
            restoreWindowColor();
            prepareCheckMarks(false);
            Timer1->setMode(Timer::Mode::Off);
        }
        if (inside(tx, ty, TrashButton->width(), TrashButton->height())) {
            if (!overTrash) {
                overTrash = true;
                prepareTrashDrop(true);
            }
        } else if (overTrash) {
            overTrash = false;
            prepareTrashDrop(false);
        }
        Application::doEvents();
    }

    DragCanvas->setVisible(false);
    prepareCheckMarks(false);
    Timer1->setMode(Timer::Mode::Off);
    DragCancelButton->setEnabled(false);
    restoreWindowColor();
    refresh();
    if (givenUp) {
        nowDragging = false;
        return false;
    }
    return true;
}

void Window1::setupDragCanvas()
{
    const int width = FileListBoxControl->width() - 16;
    const int rh = culcRowHeight(FileListBox);
    const int bands = int(std::ceil(double(FileListBoxControl->height() - 16) / rh));
    std::vector<bool> selected(size_t(std::max(0, bands)), false);
    const int first = FileListBox->scrollPosition();
    for (int i = 0; i < bands; ++i) {
        const int r = first + i;
        selected[size_t(i)] = r < FileListBox->rowCount() && FileListBox->selected(r);
    }
    DragCanvas->setBounds(DragCanvas->left(), DragCanvas->top(), width, rh * bands);
    DragCanvas->setBackdrop(PictureArt::dragBands(width, rh, selected));
}

// The button is up: the control under the pointer takes the rows. A release anywhere
// else in the window gives the drag up as the cancel button does, so that a drag from
// another program is recognised again afterwards.
void Window1::deliverRowDrop(const std::vector<FolderItemPtr>& drag)
{
    std::vector<FolderItemPtr> items;
    bool carriesFolder = false;
    for (const FolderItemPtr& item : drag) {
        if (!item)
            continue;
        items.push_back(item);
        carriesFolder = carriesFolder || item->isFolder() || item->isVolumeRoot();
    }
    const QPoint p = Services::instance().pointerIn(*this);
    Control* target = dropTargetAt(p.x(), p.y());
    if (target == BaseDropBox.get() && !carriesFolder)
        target = nullptr;
    if (target && !items.empty() && target != DragCancelButton.get())
        target->dropObject(items);
    else
        DragCancelButton_DropObject();
}

void Window1::Timer3_Action()
{
    if (Services::instance().input().mouseDown())
        return;
    nowDragging = false;
    DragCancelButton->setEnabled(false);
    prepareCheckMarks(false);
    Timer3->setMode(Timer::Mode::Off);
    Timer4->setMode(Timer::Mode::Once);
}

void Window1::Timer4_Action()
{
    fromListToExtDragging = false;
}

void Window1::DragCancelButton_DropObject()
{
    DragCancelButton->setEnabled(false);
    restoreWindowColor();
    refresh();
    nowDragging = false;
}

void Window1::ExternalDragCheckBox_Action()
{
    externalDragOk = ExternalDragCheckBox->value();
}

void Window1::connectRowDragEvents()
{
    FileListBox->onDragRow = [this](std::vector<FolderItemPtr>& drag, int row) {
        if (!FileListBox_DragRow(drag, row))
            return false;
        if (externalDragOk)
            return true;
        deliverRowDrop(drag);
        return false;
    };
    DragCancelButton->setAcceptsFileDrops(true);
    DragCancelButton->onDropObject = [this](const std::vector<FolderItemPtr>&) {
        DragCancelButton_DropObject();
    };
    ExternalDragCheckBox->onAction = [this] { ExternalDragCheckBox_Action(); };
    FileListBoxControl->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
        FileListBox_DropObject(items);
    };
    FileListBox->onMouseDown = [this](int x, int y) { return FileListBox_MouseDown(x, y); };
    Timer3->onAction = [this] { Timer3_Action(); };
    Timer4->onAction = [this] { Timer4_Action(); };
}
