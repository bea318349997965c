#pragma once

#include "platform/fs/FolderItem.h"

#include <QString>

// The program's path strings, all with ":" between names. Names compare exactly, as the
// file system stores them.
namespace fileitems {

// Volume-relative path: ":a:b" for a folder or file, "" for a volume root. Together with
// the volume reference number it is an item's key.
QString makePath(const FolderItemPtr& item);

// Volume name, then each name down to the item, no closing colon.
QString perfectPath(const FolderItemPtr& item);

// As perfectPath, with every name as the user sees it.
QString pathForDisplay(const FolderItemPtr& item);

// Same volume and same volume-relative path; two absent items are the same.
bool compareFolderItems(const FolderItemPtr& a, const FolderItemPtr& b);

} // namespace fileitems
