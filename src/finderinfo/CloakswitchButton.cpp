#include "mainwindow/Window1.h"

#include "platform/gui/GuiTypes.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"

namespace {

enum class Mode { Flip, Show, Hide, None };

// The keys held with the click choose the mode once, before any row is touched.
Mode modeFor(int modifiers)
{
    const bool shift = modifiers & kShiftKey;
    const bool option = modifiers & kOptionKey;
    if (shift && option)
        return Mode::None;
    if (option)
        return Mode::Show;
    return shift ? Mode::Hide : Mode::Flip;
}

} // namespace

void Window1::CloakswitchButton_Action()
{
    if (FileListBox->selCount() <= 0)
        return;
    const Mode mode = modeFor(CloakswitchButton->actionModifiers());
    for (int row : FileListBox->selectedRows()) {
        FolderItemPtr item = getRowFolderItem(row, true);
        if (!item)
            continue;
        // Refusals (locked item, no permission, read-only volume) are not reported: the
        // row shows what the file system reports afterwards.
        switch (mode) {
        case Mode::Flip: item->setVisible(!item->visible()); break;
        case Mode::Show: item->setVisible(true); break;
        case Mode::Hide: item->setVisible(false); break;
        case Mode::None: break;
        }
        item->refresh();
        FileListBox->setCellUnderline(row, !item->visible());
    }
    ResetFileListBox(nullptr, false);
}
