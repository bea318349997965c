#pragma once

#include "platform/fs/FolderItem.h"

#include <QString>
#include <vector>

class Window1;

// The steps that the trash button, its menu, its drops and the keys share.
namespace TrashSteps {

// The trash of the current base folder's volume, looked up anew; none before anything
// is listed or when the volume is gone. It need not exist yet.
FolderItemPtr currentTrash(const Window1& window);

// Same volume and same volume-relative path; false when either is absent.
bool sameItem(const FolderItemPtr& a, const FolderItemPtr& b);
// Whether an item equal to this one (compareFolderItems) is in the list already.
bool listed(const std::vector<FolderItemPtr>& items, const FolderItemPtr& item);

// The items of the selection recorded for the current position, each once; entries
// whose volume is gone give no item and are passed over.
std::vector<FolderItemPtr> recordedSelection(const Window1& window);

struct Summary {
    QString names;         // display names, each followed by a carriage return
    bool reserved = false; // a system-prepared item is among them
};
Summary summarize(const std::vector<FolderItemPtr>& items);

// The question's last line: the danger warning, or the usual "really?".
QString warning(bool reserved);
// Shows DelCheckWindow; the answer is in globals::retOk.
void confirm(const QString& title, const QString& contents, const QString& question);

// Moves the item into the trash, under a suffixed name when its own is taken there; a
// refusal (another volume, no permission) is not reported and changes nothing.
void moveToTrash(const FolderItemPtr& trash, const FolderItemPtr& item);

} // namespace TrashSteps
