#pragma once

#include "platform/fs/FolderItem.h"

// How the list and the companion program classify an item.
namespace fileitems {

// A folder shown and treated as one document: an ".rtfd" folder, or a folder with an
// extension that holds a "Contents" folder or an "Info.plist" file.
bool isPackage(const FolderItemPtr& item);

enum class RowPicture { Application, ApplicationAlias, File, FileAlias, VolumeAlias,
                        FolderAlias, Folder };

struct RowKind {
    RowPicture picture = RowPicture::File;
    bool folderRow = false; // can be expanded
    bool hasSize = true;    // false: the size columns show "---"
};

// The first matching rule wins: applications, application aliases, packages and files,
// aliases of folders and volumes (expandable only when expandAliases), then folders.
RowKind rowKind(const FolderItemPtr& item, bool expandAliases);

// Rows that show "---" instead of a size: ".app" names, packages and expandable rows.
inline bool hasNoSize(const FolderItemPtr& item, bool expandAliases)
{
    return !rowKind(item, expandAliases).hasSize;
}

} // namespace fileitems
