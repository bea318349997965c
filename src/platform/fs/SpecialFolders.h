#pragma once

#include "platform/fs/FolderItem.h"

// The folders the desktop prepares for the user.
namespace SpecialFolders {
FolderItemPtr desktop();           // the XDG desktop folder; it need not exist
FolderItemPtr preferencesFolder(); // the XDG config home
FolderItemPtr home();
} // namespace SpecialFolders
