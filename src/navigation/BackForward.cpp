#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "fileitems/globals.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/PictButtonClass.h"

namespace {

const QString kFirstLabel = QStringLiteral("先頭");
const QString kLastLabel = QStringLiteral("末尾");
const QString kJumpHistory = QStringLiteral("jumpHistory");

// A position can be gone back to when its volume is still mounted and the folder still
// stands on it. The live volume list is asked: the pop-up's copy may be a mount behind.
bool isReachable(const FolderItemPtr& folder)
{
    if (!folder)
        return false;
    const int volNum = globals::vrefToVolNum(QString::number(folder->volumeRef()));
    FolderItemPtr root = volNum < 0 ? nullptr : Volumes::root(volNum);
    if (!root)
        return false;
    if (folder->typeCode() == "disk")
        return root->exists();
    FolderItemPtr item = root->trueChild(fileitems::makePath(folder));
    return item && item->exists();
}

QString menuRow(const QString& label, const FolderItemPtr& folder)
{
    return QLatin1Char('(') + label + QLatin1String(") ") + fileitems::pathForDisplay(folder);
}

} // namespace

// A position is its folder and its two list states: they go together.
void Window1::removePosition(int index)
{
    baseFolder.erase(baseFolder.begin() + index);
    expandState.erase(expandState.begin() + index);
    selState.erase(selState.begin() + index);
}

bool Window1::RemoveAbnormal(int direction)
{
    if (direction < 1) {
        while (curBase >= 1 && !isReachable(baseFolder[size_t(curBase - 1)])) {
            removePosition(curBase - 1);
            --curBase;
        }
        return curBase < 1;
    }
    while (curBase + 1 < int(baseFolder.size()) && !isReachable(baseFolder[size_t(curBase + 1)]))
        removePosition(curBase + 1);
    return curBase + 1 >= int(baseFolder.size());
}

void Window1::BackButton_Action()
{
    if (curBase <= 0 || size_t(curBase) >= baseFolder.size())
        return;
    if (isRequestedContextMenu()) {
        ContextualMenu1->deleteAllRows();
        for (int k = curBase - 1; k >= 0; --k)
            ContextualMenu1->addRow(menuRow(k == 0 ? kFirstLabel : QString::number(k),
                                            baseFolder[size_t(k)]));
        contextJob = kJumpHistory;
        ContextualMenu1->popup();
        return;
    }
    if (RemoveAbnormal(0)) {
        BackButton->setValue(false);
        return;
    }
    --curBase;
    ResetFileListBox(baseFolder[size_t(curBase)], false);
    ForwardButton->setValue(true);
    BackButton->setValue(curBase > 0);
    addHistory();
}

void Window1::ForwardButton_Action()
{
    const int last = int(baseFolder.size()) - 1;
    if (curBase < 0 || curBase >= last)
        return;
    if (isRequestedContextMenu()) {
        ContextualMenu1->deleteAllRows();
        for (int k = curBase + 1; k <= last; ++k)
            ContextualMenu1->addRow(menuRow(k == last ? kLastLabel : QString::number(k),
                                            baseFolder[size_t(k)]));
        contextJob = kJumpHistory;
        ContextualMenu1->popup();
        return;
    }
    if (RemoveAbnormal(1)) {
        ForwardButton->setValue(false);
        return;
    }
    ++curBase;
    ResetFileListBox(baseFolder[size_t(curBase)], false);
    BackButton->setValue(true);
    ForwardButton->setValue(curBase < int(baseFolder.size()) - 1);
    addHistory();
}

// The label is what stands in the menu row's parentheses: "先頭", "末尾" or a position.
void Window1::jumpHistory(const QString& label)
{
    if (baseFolder.empty())
        return;
    const int last = int(baseFolder.size()) - 1;
    int target = label == kFirstLabel ? 0 : label == kLastLabel ? last : label.toInt();
    curBase = std::clamp(target, 0, last);

    // A vanished position gives way to the ones after it; at the end of the list the
    // walk turns backward.
    auto vanished = [this] {
        const FolderItemPtr& folder = baseFolder[size_t(curBase)];
        return !folder || !folder->exists();
    };
    while (!baseFolder.empty() && vanished()) {
        removePosition(curBase);
        if (curBase > int(baseFolder.size()) - 1)
            --curBase;
    }
    if (baseFolder.empty()) {
        // Every position has gone: start afresh at the start-up volume.
        curBase = -1;
        if (FolderItemPtr root = Volumes::root(0))
            ResetFileListBox(root, true);
        return;
    }
    if (curBase > 0 &&
        fileitems::compareFolderItems(baseFolder[size_t(curBase - 1)], baseFolder[size_t(curBase)])) {
        --curBase;
        removePosition(curBase);
    }
    ResetFileListBox(baseFolder[size_t(curBase)], false);
    BackButton->setValue(curBase > 0);
    ForwardButton->setValue(curBase < int(baseFolder.size()) - 1);
    addHistory();
}
