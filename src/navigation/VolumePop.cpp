#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PopupMenu.h"

namespace {

// Selecting a row from code raises the pop-up's change event; nowSetting tells the
// handler that no navigation is wanted.
void selectSilently(PopupMenu& popup, int row, bool& nowSetting)
{
    nowSetting = true;
    popup.setListIndex(row);
    nowSetting = false;
}

} // namespace

bool Window1::isVrefOk() const
{
    const std::vector<Volume>& volumes = Volumes::list();
    if (int(volumes.size()) != VolPop->listCount() || volumes.size() != vrefNums.size())
        return false;
    for (size_t i = 0; i < volumes.size(); ++i) {
        if (volumes[i].ref != vrefNums[i])
            return false;
    }
    return true;
}

void Window1::OptimizeVolpop()
{
    const bool hasBase = curBase >= 0 && size_t(curBase) < baseFolder.size();
    const FolderItemPtr base = hasBase ? baseFolder[size_t(curBase)] : nullptr;
    const int baseRef = base ? base->volumeRef() : -1;

    // Hold the list: a mount seen half-way through must not shift the rows.
    const Volumes::List volumes = Volumes::current();
    if (!isVrefOk()) {
        VolPop->deleteAllRows();
        vrefNums.clear();
        for (const Volume& volume : *volumes) {
            VolPop->addRow(volume.name);
            vrefNums.push_back(volume.ref);
        }
    }

    bool found = false;
    for (size_t i = 0; i < volumes->size() && i < vrefNums.size(); ++i) {
        const QString& name = (*volumes)[i].name;
        if (VolPop->list(int(i)).compare(name, Qt::CaseInsensitive) != 0) {
            // A rename keeps the mount, so only the row's text changes; the selection
            // is set again below.
            VolPop->removeRow(int(i));
            VolPop->insertRow(int(i), name);
        }
        if (baseRef == vrefNums[i]) {
            selectSilently(*VolPop, int(i), nowSetting);
            found = true;
        }
    }
    if (found)
        return;

    selectSilently(*VolPop, volumes->empty() ? -1 : 0, nowSetting);
    FolderItemPtr startupRoot = Volumes::root(0);
    if (!hasBase || !startupRoot)
        return;
    // The base folder's volume has gone: show the start-up volume in its place, without
    // a new position.
    baseFolder[size_t(curBase)] = startupRoot;
    drawListAndPathpop(startupRoot);
    FileListBox->sort();
    setTitle(fileitems::pathForDisplay(startupRoot));
}

void Window1::VolPop_MouseEnter()
{
    OptimizeVolpop();
}

void Window1::VolPop_Change()
{
    if (nowSetting)
        return;
    const int row = VolPop->listIndex();
    if (row < 0)
        return;
    if (FolderItemPtr root = Volumes::root(row))
        ResetFileListBox(root, true);
}
