#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/PictButtonClass.h"

namespace {

// The base folder's trash is listed without the vanished check: the trash folder is
// looked up, not found among its parent's items by the Finder's rules.
bool isOwnVolumeTrash(const FolderItemPtr& folder)
{
    FolderItemPtr trash = folder->trashFolder();
    return trash && trash->volumeRef() == folder->volumeRef() &&
           fileitems::makePath(trash) == fileitems::makePath(folder);
}

bool stillInParent(const FolderItemPtr& folder, const FolderItemPtr& parent)
{
    const QString path = fileitems::makePath(folder);
    const int vref = folder->volumeRef();
    for (int i = 1, n = parent->count(); i <= n; ++i) {
        FolderItemPtr item = parent->item(i);
        if (item && item->isFolder() && item->volumeRef() == vref &&
            fileitems::makePath(item) == path)
            return true;
    }
    return false;
}

bool sameFolder(const FolderItemPtr& a, const FolderItemPtr& b)
{
    return a && b && a->volumeRef() == b->volumeRef() &&
           fileitems::makePath(a) == fileitems::makePath(b);
}

} // namespace

void Window1::ResetFileListBox(FolderItemPtr folder, bool newBase)
{
    // A refresh asked for before anything was listed (a switch restored early) has no
    // folder to refresh.
    if (resetRunning || (!folder && (curBase < 0 || size_t(curBase) >= baseFolder.size())))
        return;
    resetRunning = true;

    if (!folder) {
        OptimizeVolpop();
        folder = baseFolder.at(size_t(curBase));
        FolderItemPtr parent = folder->parent();
        if (parent && !isOwnVolumeTrash(folder) && !stillInParent(folder, parent)) {
            MessageBox::note(QStringLiteral("Finder情報が変更されました。\r"
                                            "基準フォルダ消失か名称変更のためアクセスできません。"
                                            "基準フォルダを親フォルダへ移動します。"));
            folder = parent;
            if (curBase >= 1 && sameFolder(baseFolder[size_t(curBase - 1)], parent)) {
                baseFolder.erase(baseFolder.begin() + curBase);
                expandState.erase(expandState.begin() + curBase);
                selState.erase(selState.begin() + curBase);
                --curBase;
            } else {
                baseFolder[size_t(curBase)] = parent;
            }
            // Back and Forward lead wherever positions are left on either side: after
            // the collapse onto the previous position there may be nothing behind.
            BackButton->setValue(curBase > 0);
            ForwardButton->setValue(size_t(curBase) + 1 < baseFolder.size());
            newBase = false;
        }
    }

    drawListAndPathpop(folder);
    FileListBox->sort();

    if (newBase) {
        ++curBase;
        baseFolder.resize(size_t(curBase));
        baseFolder.push_back(folder);
        expandState.resize(size_t(curBase));
        expandState.emplace_back();
        selState.resize(size_t(curBase));
        selState.emplace_back();
        FileListBox->setScrollPosition(0);
        ForwardButton->setValue(false);
        BackButton->setValue(curBase > 0);
        addHistory();
    } else {
        expandState[size_t(curBase)].restoreExPath(*FileListBox);
        selState[size_t(curBase)].restoreSelRows(*FileListBox);
    }

    FileListBoxControl->setEnabled(true);
    OptButtonsState();
    setTitle(fileitems::pathForDisplay(baseFolder[size_t(curBase)]));
    resetRunning = false;
    OptimizeVolpop();
}
