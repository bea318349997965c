#pragma once

#include "platform/fs/FolderItem.h"
#include "platform/gui/ListRow.h"

#include <QString>

// The nine columns of a list row. Rows keep values; these turn them into cell text when
// the list draws or sorts.
namespace RowCells {

enum Column {
    kName = 0,
    kCreated = 1,
    kModified = 2,
    kSize = 3,
    kCreator = 4,
    kType = 5,
    kSizeKey = 6,
    kVolumeRef = 7,
    kPath = 8,
};

QString text(const ListRow& row, int column);

// The row for an item, picture and kind by the listing's table; false when the display
// switches leave the item out.
struct Filters {
    bool visibles = true;
    bool invisibles = true;
    bool dots = false;
    bool expandAliases = true;
};
bool fill(const FolderItemPtr& item, const Filters& filters, ListRow& row);

} // namespace RowCells
