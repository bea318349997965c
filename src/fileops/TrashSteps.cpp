#include "fileops/TrashSteps.h"

#include "dialogs/DelCheckWindow.h"
#include "fileitems/Paths.h"
#include "mainwindow/Window1.h"
#include "platform/fs/Trash.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

#include <algorithm>

namespace TrashSteps {

FolderItemPtr currentTrash(const Window1& window) {
    if (window.curBase < 0 || size_t(window.curBase) >= window.baseFolder.size())
        return nullptr;
    const FolderItemPtr& base = window.baseFolder[size_t(window.curBase)];
    return base ? base->trashFolder() : nullptr;
}

bool sameItem(const FolderItemPtr& a, const FolderItemPtr& b) {
    return a && b && a->volumeRef() == b->volumeRef() &&
           fileitems::makePath(a) == fileitems::makePath(b);
}

bool listed(const std::vector<FolderItemPtr>& items, const FolderItemPtr& item) {
    return std::any_of(items.begin(), items.end(), [&](const FolderItemPtr& other) {
        return fileitems::compareFolderItems(other, item);
    });
}

std::vector<FolderItemPtr> recordedSelection(const Window1& window) {
    std::vector<FolderItemPtr> items;
    if (window.curBase < 0 || size_t(window.curBase) >= window.selState.size())
        return items;
    const ListState& state = window.selState[size_t(window.curBase)];
    for (int i = 0, n = state.getCount(); i < n; ++i) {
        FolderItemPtr item = state.getSelFI(i);
        if (item && !listed(items, item))
            items.push_back(std::move(item));
    }
    return items;
}

Summary summarize(const std::vector<FolderItemPtr>& items) {
    Summary summary;
    for (const FolderItemPtr& item : items) {
        summary.names += item->displayName() + QLatin1Char('\r');
        summary.reserved = summary.reserved || Window1::isReservedName(item);
    }
    return summary;
}

QString warning(bool reserved) {
    return reserved ? QStringLiteral("システム予約項目があります。削除は危険です。")
                    : QStringLiteral("本当によろしいですか。");
}

void confirm(const QString& title, const QString& contents, const QString& question) {
    DelCheckWindow window;
    window.setTitle(title);
    window.Contents->setText(contents);
    window.InquiryText->setText(question);
    window.showModal();
}

void moveToTrash(const FolderItemPtr& trash, const FolderItemPtr& item) {
    if (!trash || !item)
        return;
    QString name = item->name();
    // The item goes in under the free name at once: renaming it where it stands first
    // would leave it renamed there when the move is refused.
    if (const FolderItemPtr taken = trash->trueChild(name); taken && taken->exists())
        name = Window1::uniqueName(trash, name);
    Trash::moveIn(*item, *trash, name);
}

} // namespace TrashSteps
