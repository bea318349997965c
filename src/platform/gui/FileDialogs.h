#pragma once

#include "platform/fs/FolderItem.h"

#include <QString>

// Folder and file selection dialogs; none when cancelled. A modal responder answers
// them under test.
namespace FileDialogs {

FolderItemPtr selectFolder(const QString& prompt, const FolderItemPtr& start = {});
FolderItemPtr getOpenFile(const QString& prompt, const FolderItemPtr& start = {});

} // namespace FileDialogs
