#include "mainwindow/Window1.h"

#include "fileitems/Codes.h"
#include "finderinfo/TypeChangeWindow.h"
#include "platform/gui/Application.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/StaticText.h"

namespace {

struct Gathered {
    bool folderSelected = false;
    bool reservedSelected = false;
};

// Every selected row at every depth, in list order; an alias is taken as the alias file
// itself, and folders (packages included) are left out.
Gathered gatherFiles(const Window1& window, const std::vector<int>& rows, TypeChangeWindow& dialog)
{
    Gathered found;
    dialog.dealFile.clear();
    dialog.SrcPop->deleteAllRows();
    for (int row : rows) {
        const FolderItemPtr item = window.getRowFolderItem(row, true);
        if (!item)
            continue;
        if (item->isFolder()) {
            found.folderSelected = true;
            continue;
        }
        dialog.dealFile.push_back(item);
        dialog.SrcPop->addRow(item->displayName());
        if (fileitems::sameCode(item->creatorCode(), "MACS") || fileitems::sameCode(item->typeCode(), "APPL"))
            found.reservedSelected = true;
    }
    return found;
}

} // namespace

TypeChangeWindow& Window1::typeChangeWindow()
{
    if (!m_typeChangeWindow)
        m_typeChangeWindow = std::make_shared<TypeChangeWindow>();
    return *m_typeChangeWindow;
}

void Window1::TypeChangeButton_Action()
{
    if (FileListBox->selCount() < 1)
        return;
    const std::vector<int> selected = FileListBox->selectedRows();
    const FolderItemPtr first = selected.empty() ? nullptr : getRowFolderItem(selected.front(), true);
    if (!first)
        return;
    saveListState();

    TypeChangeWindow& dialog = typeChangeWindow();
    dialog.SrcCr->setText(fileitems::optStr(first->creatorCode()));
    dialog.SrcTy->setText(fileitems::optStr(first->typeCode()));
    dialog.showCreator(first->creatorCode());
    dialog.showType(first->typeCode());
    const Gathered found = gatherFiles(*this, selected, dialog);
    if (dialog.dealFile.empty()) {
        Application::beep();
        dialog.hide();
        return;
    }

    dialog.numOfDeal->setText(QString::number(dialog.dealFile.size()));
    dialog.warningText[0]->setVisible(found.folderSelected);
    dialog.warningText[1]->setVisible(found.reservedSelected);
    dialog.SrcPop->setListIndex(-1);
    dialog.SrcPop->setListIndex(0);
    dialog.showModal();

    // The activation that follows the dialog refreshes the list as well; refreshing here
    // does not depend on the window system handing the activation back.
    saveListState();
    ResetFileListBox(nullptr, false);
}
