#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "fileitems/globals.h"
#include "listview/RowCells.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/StaticText.h"

void Window1::drawListAndPathpop(const FolderItemPtr& folder)
{
    FileListBox->removeAllRows();
    curAddRow = 0;
    for (int i = 1, n = folder->count(); i <= n; ++i)
        dispOneFile(*FileListBox, curAddRow, folder->item(i));
    setPathName(folder);
    showItemCount();
}

// Painting rows keeps the count current as rows are expanded and collapsed; a list
// with no rows paints none, so the listing writes its count itself.
void Window1::showItemCount()
{
    const QString count = QString::number(FileListBox->rowCount()) + QStringLiteral("項目");
    if (NumText->text() != count)
        NumText->setText(count);
}

bool Window1::listsRow(const FolderItemPtr& item, ListRow& out) const
{
    RowCells::Filters filters;
    filters.visibles = DispVisibles->value();
    filters.invisibles = DispInvises->value();
    filters.dots = DispDots->value();
    filters.expandAliases = ExpandAliases->value();
    return RowCells::fill(item, filters, out);
}

void Window1::dispOneFile(ListBox& list, int& row, const FolderItemPtr& item)
{
    ListRow r;
    if (!listsRow(item, r))
        return;
    list.addRow(std::move(r));
    ++row;
}

FolderItemPtr Window1::rowItem(const ListBox& list, int row, bool unresolved) const
{
    if (row < 0 || row >= list.rowCount())
        return nullptr;
    const ListRow& r = list.row(row);
    const int volNum = globals::vrefToVolNum(QString::number(r.vref));
    if (volNum < 0)
        return nullptr;
    FolderItemPtr root = Volumes::root(volNum);
    if (!root)
        return nullptr;
    return unresolved ? root->trueChild(r.path) : root->child(r.path);
}

FolderItemPtr Window1::getRowFolderItem(int row, bool unresolved) const
{
    return rowItem(*FileListBox, row, unresolved);
}

FolderItemPtr Window1::getTempRowFolderItem(int row, bool unresolved) const
{
    return rowItem(*TempListBox, row, unresolved);
}

bool Window1::compareRowToFolderItem(int row, const FolderItemPtr& item) const
{
    if (!item || row < 0 || row >= FileListBox->rowCount())
        return false;
    const ListRow& r = FileListBox->row(row);
    return item->volumeRef() == r.vref && fileitems::makePath(item) == r.path;
}

void Window1::FileListBox_ExpandRow(int row)
{
    FolderItemPtr resolved = getRowFolderItem(row, false);
    FolderItemPtr own = getRowFolderItem(row, true);
    if (!resolved || !own)
        return;
    if (resolved->isAlias()) {
        FileListBox->setExpanded(row, false);
        expandState[size_t(curBase)].removeExpath(*FileListBox, row);
        return;
    }
    curAddRow = row + 1;
    TempListBox->removeAllRows();
    int tempRow = 0;
    for (int i = 1, n = resolved->count(); i <= n; ++i)
        dispOneFile(*TempListBox, tempRow, resolved->item(i));

    int column = FileListBox->sortedColumn();
    if (column == RowCells::kSize)
        column = RowCells::kSizeKey;
    TempListBox->setSortedColumn(column);
    TempListBox->setSortAscending(FileListBox->sortAscending());
    TempListBox->sort();

    // The sorted rows already hold what listing their items again would give, so they
    // move over as they are instead of reading every child a second time.
    for (int i = 0, n = TempListBox->rowCount(); i < n; ++i) {
        FileListBox->addRow(TempListBox->row(i));
        ++curAddRow;
    }
}

bool Window1::FileListBox_CellTextPaint(int, int)
{
    showItemCount();
    return false;
}

void Window1::DispVisibles_Action() { ResetFileListBox(nullptr, false); }
void Window1::DispInvises_Action() { ResetFileListBox(nullptr, false); }
void Window1::DispDots_Action() { ResetFileListBox(nullptr, false); }
void Window1::ExpandAliases_Action() { ResetFileListBox(nullptr, false); }

void Window1::saveListState()
{
    if (curBase < 0 || size_t(curBase) >= expandState.size())
        return;
    expandState[size_t(curBase)].saveExPath(*FileListBox);
    selState[size_t(curBase)].saveSelRows(*FileListBox);
}
