#include "mainwindow/Window1.h"

// Nothing goes to the trash here: the item and everything inside it are gone. The tree
// walk never follows a link and never leaves the item's own mount.
void Window1::DeleteFileOrFolder(const FolderItemPtr& item) {
    if (!item || !item->exists())
        return;
    item->deleteItem();
}
