#include "mainwindow/Window1.h"

#include "dialogs/answers.h"
#include "fileitems/Paths.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"

void Window1::connectFileOpsEvents() {
    InvisCopyButton->onAction = [this] { InvisCopyButton_Action(); };
    InvisMoveButton->onAction = [this] { InvisMoveButton_Action(); };
    InvisDupButton->onAction = [this] { InvisDupButton_Action(); };
    NewFolderButton->onAction = [this] { NewFolderButton_Action(); };
}

void Window1::InvisCopyButton_Action() {
    isVisCopy = InvisCopyButton->caption() != QStringLiteral("コピー");
    // FIXME: the visible copy asks for its settings here and copies only when confirmed;
    // until it exists, a Command-click copies as the plain button does.
    isVisCopy = false;
    FileCopyOrMove(0);
}

void Window1::InvisMoveButton_Action() {
    FileCopyOrMove(1);
}

std::vector<FolderItemPtr> Window1::recordedSelection(const FolderItemPtr& skipChildrenOf) {
    std::vector<FolderItemPtr> items;
    if (curBase < 0 || size_t(curBase) >= selState.size())
        return items;
    const ListState& sel = selState[size_t(curBase)];
    for (int i = 0; i < sel.getCount(); ++i) {
        const FolderItemPtr item = sel.getSelFI(i);
        // An entry whose volume went away yields no item and is passed over.
        if (!item)
            continue;
        if (skipChildrenOf && inTheFolder(item, skipChildrenOf))
            continue;
        const bool listed = std::any_of(items.begin(), items.end(), [&](const FolderItemPtr& it) {
            return fileitems::compareFolderItems(it, item);
        });
        if (!listed)
            items.push_back(item);
    }
    return items;
}

void Window1::FileCopyOrMove(int mode) {
    if (FileListBox->selCount() == 0)
        return;
    const bool move = mode == 1;
    const FolderItemPtr destination = FileDialogs::selectFolder(
        move ? QStringLiteral("移動先を指定して下さい。")
             : QStringLiteral("コピーの保存先を指定して下さい。"),
        {}, move ? QStringLiteral("ファイル移動") : QStringLiteral("ファイルコピー"));
    if (!destination) {
        isVisCopy = false;
        return;
    }
    const std::vector<FolderItemPtr> items = recordedSelection(move ? destination : nullptr);
    firstFlag = true;
    globals::afterAll = 0;
    for (const FolderItemPtr& item : items)
        CopyOrMoveOneFile(item, destination, mode);
    isVisCopy = false;
    ResetFileListBox(nullptr, false);
}

bool Window1::inTheFolder(const FolderItemPtr& item, const FolderItemPtr& folder) const {
    if (!item || !folder)
        return false;
    const FolderItemPtr child = folder->trueChild(item->name());
    return child && child->exists() && fileitems::makePath(child) == fileitems::makePath(item) &&
           child->volumeRef() == item->volumeRef();
}
