#include "mainwindow/Window1.h"

#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"

void Window1::OptButtonsState()
{
    const int n = FileListBox->selCount();
    const bool w = CopyCheckBox->value();
    CloakswitchButton->setEnabled(n >= 1);
    TypeChangeButton->setEnabled(n >= 1 && TypeChangeCheck->value());
    InvisDupButton->setEnabled(n >= 1 && w);
    InvisCopyButton->setEnabled(n >= 1 && w);
    InvisMoveButton->setEnabled(n >= 1 && w);
    NameChangeButton->setEnabled(n == 1 && w);
    NewFolderButton->setEnabled(w && n <= 1);
    bool jump = false;
    if (n == 1) {
        const std::vector<int> rows = FileListBox->selectedRows();
        FolderItemPtr item = getRowFolderItem(rows.front(), true);
        jump = item && item->isAlias();
    }
    JumpEntityButton->setEnabled(jump);
}

void Window1::OptTrashBtnState()
{
    const int keys = Services::instance().modifiers() & (kShiftKey | kCommandKey | kOptionKey);
    const bool writing = CopyCheckBox->value();
    bool active = false;
    if (keys == 0) {
        active = true;
    } else if (keys == kCommandKey || keys == (kCommandKey | kOptionKey)) {
        active = FileListBox->selCount() >= 1 && writing;
    } else if (keys == (kCommandKey | kShiftKey)) {
        FolderItemPtr trash;
        if (curBase >= 0 && size_t(curBase) < baseFolder.size())
            trash = baseFolder[size_t(curBase)]->trashFolder();
        active = writing && trash && trash->count() >= 1;
    }
    if (TrashButton->value() != active)
        TrashButton->setValue(active);
}

void Window1::OptCopyBtnState()
{
    const bool command = Services::instance().modifiers() & kCommandKey;
    InvisCopyButton->setCaption(command ? QStringLiteral("可視\rコピー") : QStringLiteral("コピー"));
}

void Window1::OptDupBtnState()
{
    const int mods = Services::instance().modifiers();
    const bool alias = (mods & kCommandKey) && (mods & kOptionKey);
    InvisDupButton->setCaption(alias ? QStringLiteral("Alias\r作成") : QStringLiteral("複製"));
}

void Window1::Timer5_Action()
{
    OptTrashBtnState();
    OptCopyBtnState();
    OptDupBtnState();
}

void Window1::CopyCheckBox_Action()
{
    OptButtonsState();
    ExternalDragCheckBox->setEnabled(CopyCheckBox->value());
}

void Window1::TypeChangeCheck_Action()
{
    OptButtonsState();
}
