#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "fileitems/globals.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"

#include <algorithm>

FolderItemPtr Window1::getEntityFolderItem(const FolderItemPtr& item) const
{
    if (!item)
        return nullptr;
    const int volNum = globals::vrefToVolNum(QString::number(item->volumeRef()));
    if (volNum < 0)
        return nullptr;
    FolderItemPtr root = Volumes::root(volNum);
    return root ? root->child(fileitems::makePath(item)) : nullptr;
}

void Window1::JumpEntityButton_Action()
{
    if (FileListBox->selCount() != 1)
        return;
    const int row = FileListBox->selectedRows().front();
    if (row < 0)
        return;
    FolderItemPtr alias = getRowFolderItem(row, true);
    if (!alias || !alias->isAlias())
        return;
    FolderItemPtr original = getEntityFolderItem(alias);
    if (!original || original->isAlias())
        return;
    dispEntity(original);
}

// Selects the row alone and scrolls it into sight: the user asked to be shown it.
void Window1::selectRowAlone(int row)
{
    FileListBox->deselectAll();
    FileListBox->setSelected(row, true);
    const int first = FileListBox->scrollPosition();
    const int shown = std::max(1, (FileListBoxControl->height() - ListBox::kHeaderHeight) /
                                      std::max(1, culcRowHeight(FileListBox)));
    if (row < first || row >= first + shown)
        FileListBox->setScrollPosition(std::max(0, row - shown / 2));
}

void Window1::dispEntity(const FolderItemPtr& item)
{
    if (!item)
        return;
    auto findRow = [this, &item] {
        for (int row = 0, n = FileListBox->rowCount(); row < n; ++row)
            if (compareRowToFolderItem(row, item))
                return row;
        return -1;
    };
    if (const int row = findRow(); row >= 0) {
        selectRowAlone(row);
        return;
    }
    if (FolderItemPtr parent = item->parent()) {
        saveListState();
        ResetFileListBox(parent, true);
        if (const int row = findRow(); row >= 0)
            selectRowAlone(row);
    } else if (item->typeCode() == "disk") {
        saveListState();
        ResetFileListBox(item, true);
    }
}
