#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/gui/PopupMenu.h"

namespace {

const QString kSeparatorRow = QStringLiteral("-");
const QString kClearRow = QStringLiteral("このリストを全消去");

} // namespace

// Entries are matched by object, not by path: a folder reached through this list, Back,
// Forward or their menus is the stored object itself; reached any other way it is a new
// object and gets a row of its own.
void Window1::addHistory()
{
    if (curBase < 0 || size_t(curBase) >= baseFolder.size())
        return;
    const FolderItemPtr folder = baseFolder[size_t(curBase)];
    if (!folder)
        return;
    const QString path = fileitems::pathForDisplay(folder);

    if (HistoryPop->listCount() > 2)
        optHistoryPop();
    if (HistoryPop->listCount() <= 2) {
        HistoryPop->deleteAllRows();
        HistoryPop->addRow(path);
        HistoryPop->addRow(kSeparatorRow);
        HistoryPop->addRow(kClearRow);
        HistoryFolderItem = {folder, nullptr, nullptr};
        return;
    }
    const int rows = HistoryPop->listCount();
    for (int row = 0; row < rows - 2; ++row) {
        if (size_t(row) < HistoryFolderItem.size() && HistoryFolderItem[size_t(row)] == folder) {
            HistoryPop->setListIndex(row);
            return;
        }
    }
    HistoryPop->insertRow(rows - 2, path);
    HistoryFolderItem.insert(HistoryFolderItem.begin() + (rows - 2), folder);
    HistoryPop->setListIndex(rows - 2);
}

void Window1::optHistoryPop()
{
    if (HistoryPop->listCount() <= 2)
        return;
    for (int row = 0; row < HistoryPop->listCount() - 2;) {
        const FolderItemPtr folder =
            size_t(row) < HistoryFolderItem.size() ? HistoryFolderItem[size_t(row)] : nullptr;
        if (folder && folder->exists()) {
            ++row;
            continue;
        }
        HistoryPop->removeRow(row);
        if (size_t(row) < HistoryFolderItem.size())
            HistoryFolderItem.erase(HistoryFolderItem.begin() + row);
    }
    // A separator and a clearing row with nothing above them would make the next entry
    // look like a fresh list and add a second pair of them.
    if (HistoryPop->listCount() <= 2) {
        HistoryPop->deleteAllRows();
        HistoryFolderItem.clear();
    }
}

void Window1::HistoryPop_Change()
{
    const int chosen = HistoryPop->listIndex();
    const int rows = HistoryPop->listCount();
    if (chosen < 0 || chosen >= rows)
        return;
    if (chosen == rows - 1) {
        HistoryPop->deleteAllRows();
        HistoryFolderItem.clear();
        return;
    }
    if (chosen == rows - 2)
        return;

    const FolderItemPtr folder =
        size_t(chosen) < HistoryFolderItem.size() ? HistoryFolderItem[size_t(chosen)] : nullptr;
    if (folder && folder->exists()) {
        const bool hasBase = curBase >= 0 && size_t(curBase) < baseFolder.size();
        if (hasBase && fileitems::compareFolderItems(folder, baseFolder[size_t(curBase)]))
            return;
        saveListState();
        ResetFileListBox(folder, true);
        return;
    }
    optHistoryPop();
    // Choosing the row before raises this handler again, which goes on to that folder.
    if (chosen > 0 && chosen - 1 < HistoryPop->listCount())
        HistoryPop->setListIndex(chosen - 1);
}
