#pragma once

#include "platform/fs/FolderItem.h"

#include <QString>

// Folder and file selection dialogs; none when cancelled. A modal responder answers
// them under test.
namespace FileDialogs {

// title, when given, names the dialog's window and the prompt stands inside it.
FolderItemPtr selectFolder(const QString& prompt, const FolderItemPtr& start = {},
                           const QString& title = {});
FolderItemPtr getOpenFile(const QString& prompt, const FolderItemPtr& start = {});

} // namespace FileDialogs
