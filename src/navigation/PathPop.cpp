#include "mainwindow/Window1.h"

#include "platform/fs/Volumes.h"
#include "platform/gui/PopupMenu.h"

namespace {

// Deeper than any real tree; stops the walk should a parent chain ever loop.
constexpr int kMaxDepth = 4096;

// A ":" inside a name would read as a separator; colon paths write it as "/".
QString colonSafe(QString name)
{
    return name.replace(QLatin1Char(':'), QLatin1Char('/'));
}

} // namespace

void Window1::setPathName(const FolderItemPtr& folder)
{
    if (!folder)
        return;
    nowSetting = true;
    PathPop->deleteAllRows();
    PathPop2->deleteAllRows();
    FolderItemPtr item = folder;
    for (int depth = 0; item && depth < kMaxDepth; ++depth) {
        PathPop->addRow(item->displayName());
        PathPop2->addRow(item->name());
        item = item->parent();
    }
    PathPop->setListIndex(0);
    nowSetting = false;
}

// The path is built volume-relative (the last row, the root, left out) and asked of
// the selected volume's root. An absolute path would name the first volume of that
// name, which is the wrong one when two mounted volumes share a name.
void Window1::PathPop_Change()
{
    if (nowSetting)
        return;
    const int rows = PathPop2->listCount();
    const int chosen = PathPop->listIndex();
    if (rows == 0 || chosen < 0 || chosen >= rows)
        return;
    FolderItemPtr root = Volumes::root(VolPop->listIndex());
    if (!root)
        return;
    QString path;
    for (int row = rows - 2; row >= chosen; --row)
        path += QLatin1Char(':') + colonSafe(PathPop2->list(row));
    FolderItemPtr target = path.isEmpty() ? root : root->trueChild(path);
    if (target && target->exists()) {
        ResetFileListBox(target, true);
        return;
    }
    // Nothing changes, so the pop-up goes back to naming the base folder.
    nowSetting = true;
    PathPop->setListIndex(0);
    nowSetting = false;
}
