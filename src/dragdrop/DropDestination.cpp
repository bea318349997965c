#include "mainwindow/Window1.h"

#include "fileitems/ItemKinds.h"
#include "fileitems/Paths.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Timer.h"


namespace {

const QColor kOtherProgramDragColor(0xCC, 0xCC, 0xFF);
const QColor kTrashDragColor(0xFF, 0xE5, 0xF0);

bool sameCode(const QByteArray& code, const char* expected)
{
    return code.compare(QByteArray(expected), Qt::CaseInsensitive) == 0;
}

// A folder row, or an alias to a folder or a disk, takes a drop itself; a file, an
// application or a package sends it to the folder that lists it.
bool takesDropItself(const FolderItemPtr& item)
{
    if (!item || !item->exists())
        return false;
    if (item->isFolder() && !item->name().endsWith(QLatin1String(".app"), Qt::CaseInsensitive)
        && !fileitems::isPackage(item))
        return true;
    const QByteArray type = item->typeCode();
    return sameCode(type, "fdrp") || sameCode(type, "hdsk");
}

QString destinationText(const FolderItemPtr& item)
{
    return QStringLiteral("保存先：") + (item ? item->displayName() : QString());
}

} // namespace

void Window1::restoreWindowColor()
{
    setBackColor(WindowBackColor);
}

void Window1::prepareCheckMarks(bool on)
{
    FileListBox->setCheckBoxColumn(on);
    BaseCheckBox->setVisible(on);
    BaseCheckBox->setValue(false);
    DestDispField->setVisible(on);
    DestDispField->setText(QString());
}

void Window1::prepareTrashDrop(bool on)
{
    if (on) {
        setBackColor(kTrashDragColor);
        DestDispField->setVisible(true);
        DestDispField->setText(QStringLiteral("ゴミ箱へ移動"));
    } else {
        restoreWindowColor();
        DestDispField->setVisible(false);
        DestDispField->setText(QString());
    }
}

void Window1::invalidateDragMode()
{
    if (!FileListBox->checkBoxColumn())
        return;
    nowDragging = false;
    prepareCheckMarks(false);
    DragCancelButton->setEnabled(false);
    restoreWindowColor();
    Timer1->setMode(Timer::Mode::Off);
}

void Window1::FileListBox_MouseEnter()
{
    if (couldntCancelMouseDown || !CopyCheckBox->value())
        return;
    if (Services::instance().input().mouseDown() && !nowDragging) {
        DragCancelButton->setEnabled(true);
        setBackColor(kOtherProgramDragColor);
        prepareCheckMarks(true);
        Timer1->setMode(Timer::Mode::Repeating);
    }
}

void Window1::FileListBox_MouseExit()
{
    if (couldntCancelMouseDown)
        return;
    saveListState();
    if (CopyCheckBox->value() && Services::instance().input().mouseDown() && !nowDragging) {
        prepareCheckMarks(false);
        Timer1->setMode(Timer::Mode::Off);
        restoreWindowColor();
        refresh();
    }
}

void Window1::Timer1_Action()
{
    InputSource& input = Services::instance().input();
    if (!nowDragging && input.escapePressed()) {
        input.clearEscape();
        cancelDragFromExt = true;
        couldntCancelMouseDown = true;
        Timer2->setMode(Timer::Mode::Repeating);
        prepareCheckMarks(false);
        Timer1->setMode(Timer::Mode::Off);
        DragCancelButton->setEnabled(false);
        restoreWindowColor();
        refresh();
        return;
    }

    const QPoint inWindow = Services::instance().pointerIn(*this);
    const int x = inWindow.x() - FileListBoxControl->left();
    const int y = inWindow.y() - FileListBoxControl->top();
    const int width = FileListBoxControl->width();
    const int height = FileListBoxControl->height();
    const int rh = culcRowHeight(FileListBox);

    if (0 < x && x < width - 16) {
        if (16 < y && y < 26)
            FileListBox->setScrollPosition(FileListBox->scrollPosition() - 1);
        else if (height - 10 < y && y < height)
            FileListBox->setScrollPosition(FileListBox->scrollPosition() + 1);
    }
    int row = FileListBox->scrollPosition() + int(double(y - ListBox::kHeaderHeight) / rh);
    if (0 < x && x < width) {
        if (0 < y && y <= ListBox::kHeaderHeight)
            row = -1;
        else if (y < 0 || y > height)
            row = -2;
        checkMarkSetOnFolder(row);
    }
}

void Window1::Timer2_Action()
{
    if (Services::instance().input().mouseDown())
        return;
    couldntCancelMouseDown = false;
    cancelDragFromExt = false;
    DragCancelButton->setEnabled(false);
    restoreWindowColor();
    refresh();
    Timer2->setMode(Timer::Mode::Off);
}

void Window1::checkMarkSetOnFolder(int n)
{
    FileListBox->uncheckAll();
    destFolder = nullptr;
    BaseCheckBox->setValue(false);

    if (n >= 0 && n < FileListBox->rowCount()) {
        const FolderItemPtr s = getRowFolderItem(n, true);
        if (takesDropItself(s)) {
            FileListBox->setCellCheck(n, true);
            destFolder = s;
            DestDispField->setText(destinationText(s));
            return;
        }
        // A row whose item vanished has no folder to look for: the base folder takes it.
        const FolderItemPtr holder = s && s->exists() ? s->parent() : nullptr;
        for (int m = n; holder && m >= 0; --m) {
            if (FileListBox->expanded(m)
                && fileitems::compareFolderItems(getRowFolderItem(m, false), holder)) {
                FileListBox->setCellCheck(m, true);
                destFolder = getRowFolderItem(m, true);
                DestDispField->setText(destFolder ? destinationText(destFolder) : QString());
                return;
            }
        }
    }
    if (curBase >= 0 && curBase < int(baseFolder.size()))
        destFolder = baseFolder[size_t(curBase)];
    BaseCheckBox->setValue(true);
    DestDispField->setText(destinationText(destFolder));
}

void Window1::connectDragDropEvents()
{
    Timer1->onAction = [this] { Timer1_Action(); };
    Timer2->onAction = [this] { Timer2_Action(); };
    FileListBox->onMouseEnter = [this] { FileListBox_MouseEnter(); };
    FileListBoxControl->onDragEnter = [this] { FileListBox_MouseEnter(); };
    FileListBoxControl->onDragExit = [this] { FileListBox_MouseExit(); };
    connectRowDragEvents();
}
