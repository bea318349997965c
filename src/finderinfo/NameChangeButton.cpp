#include "mainwindow/Window1.h"

#include "dialogs/answers.h"
#include "finderinfo/InputWindow.h"
#include "platform/fs/NameCodec.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

void Window1::NameChangeButton_Action()
{
    if (FileListBox->selCount() != 1)
        return;
    const std::vector<int> rows = FileListBox->selectedRows();
    if (rows.empty() || rows.front() < 0)
        return;
    // The row's own item: an alias is renamed itself, never its original.
    const FolderItemPtr item = getRowFolderItem(rows.front(), true);
    if (!item)
        return;
    const QString name = item->name();

    InputWindow dialog;
    const bool reserved = isReservedName(item);
    dialog.Instruction->setVisible(!reserved);
    dialog.Caution->setVisible(reserved);
    const QString shown = NameCodec::forDisplay(name);
    dialog.oldName->setText(shown);
    dialog.newName->setText(shown);
    // What the field gives back for a name it cannot hold as it is (bytes that are not
    // UTF-8, a line break) differs from the name; taken unchanged, it must not rename.
    const QString untouched = dialog.newName->text();
    dialog.newName->selectAll();
    dialog.newName->setFocus();
    globals::retOk = false; // a dialog ended by other means than its buttons changes nothing
    dialog.showModal();
    if (!globals::retOk)
        return;

    // A name that is taken, or holds "/", is refused by the file system and nothing
    // changes; the refreshed list shows whichever name the item has.
    item->rename(globals::newFilename == untouched ? name : globals::newFilename);
    saveListState();
    ResetFileListBox(nullptr, false);
}
