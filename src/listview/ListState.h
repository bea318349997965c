#pragma once

#include "listview/FileKeeper.h"

#include <vector>

class ListBox;

// The expanded or selected rows of a list, saved as item keys in row order, so that
// they survive a refresh that rebuilds every row.
class ListState {
public:
    ListState(); // one blank key, which matches no row

    std::vector<FileKeeper> rowState;

    void saveSelRows(const ListBox& list);
    void saveExPath(const ListBox& list);
    void restoreSelRows(ListBox& list) const;
    void restoreExPath(ListBox& list) const;
    void removeExpath(const ListBox& list, int row);
    int getCount() const { return int(rowState.size()); }
    FolderItemPtr getSelFI(int i) const;
};
