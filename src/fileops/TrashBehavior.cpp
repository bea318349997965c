#include "mainwindow/Window1.h"

#include "dialogs/answers.h"
#include "fileitems/Paths.h"
#include "fileops/TrashSteps.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/Trash.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"

namespace {

constexpr int kShow = 0, kMoveToTrash = 2, kEmpty = 3, kDelete = 6;

QString question(int mode, bool several, bool reserved) {
    return QStringLiteral("上記の") + (several ? QStringLiteral("全") : QString()) +
           QStringLiteral("項目をゴミ箱") +
           (mode == kDelete ? QStringLiteral("に移さず、直接削除します。")
                            : QStringLiteral("へ移動します。")) +
           QLatin1Char('\r') + TrashSteps::warning(reserved);
}

} // namespace

void Window1::executeTrashBehavior(int mode) {
    if (mode == kShow) {
        dispLocalTrash();
        return;
    }
    if (mode == kEmpty) {
        clearLocalTrash();
        return;
    }
    if ((mode != kMoveToTrash && mode != kDelete) || FileListBox->selCount() < 1)
        return;

    const std::vector<FolderItemPtr> items = TrashSteps::recordedSelection(*this);
    const TrashSteps::Summary summary = TrashSteps::summarize(items);
    globals::retOk = true;
    if (WithReport->value() || summary.reserved || mode == kDelete)
        TrashSteps::confirm(
            (mode == kDelete ? QStringLiteral("削除") : QStringLiteral("ゴミ箱への移動")) +
                QStringLiteral("の確認"),
            summary.names, question(mode, FileListBox->selCount() >= 2, summary.reserved));
    if (!globals::retOk)
        return;
    const FolderItemPtr trash = mode == kMoveToTrash ? TrashSteps::currentTrash(*this) : nullptr;
    for (const FolderItemPtr& item : items) {
        if (mode == kDelete) {
            // A volume root would take the whole disk with it.
            if (!item->isVolumeRoot())
                DeleteFileOrFolder(item);
        } else {
            TrashSteps::moveToTrash(trash, item);
        }
    }
    ResetFileListBox(nullptr, false);
}

void Window1::dispLocalTrash() {
    const FolderItemPtr trash = TrashSteps::currentTrash(*this);
    // A trash that was never made has nothing to show, and looking must not make it.
    if (!trash || !trash->exists())
        return;
    if (TrashSteps::sameItem(trash, baseFolder[size_t(curBase)]))
        return;
    saveListState();
    ResetFileListBox(trash, true);
}

void Window1::clearLocalTrash() {
    const FolderItemPtr trash = TrashSteps::currentTrash(*this);
    if (!trash)
        return;
    const int n = trash->count();
    if (n == 0)
        return;
    QString names;
    for (int i = 1; i <= n; ++i) {
        const FolderItemPtr entry = trash->item(i);
        names += (entry ? NameCodec::forDisplay(entry->name()) : QString()) + QLatin1Char('\r');
    }
    TrashSteps::confirm(
        QStringLiteral("ゴミ箱を空にする"), names,
        QStringLiteral("ゴミ箱にある ") + QString::number(n) +
            QStringLiteral("個の項目（上記リスト表示分）を削除します。よろしいですか。"));
    if (!globals::retOk)
        return;
    // Only the entries that were listed: what arrived while the question was open stays.
    for (int i = n; i >= 1; --i)
        DeleteFileOrFolder(trash->item(i));
    Trash::removeOrphanedInfo(*trash);
    ResetFileListBox(nullptr, false);
}
