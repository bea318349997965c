#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/fs/CopyEngine.h"
#include "platform/fs/NameCodec.h"
#include "platform/gui/CopyRunner.h"
#include "platform/gui/MessageBox.h"
#include "platform/script/FinderScripts.h"

namespace {

const QString kTemporaryFolder = QStringLiteral("TmpFldr");

void reportFailure() {
    const QString cr = QStringLiteral("\r");
    MessageBox::note(
        QStringLiteral("指示された処理に失敗しました。") + cr + cr +
        QStringLiteral("再試行で、うまく行く場合がありますが、駄目なら、") +
        QStringLiteral("『外部へのドラッグ』にチェックを入れて、Finderへのドラッグを") +
        QStringLiteral("試してみてください。") + cr +
        QStringLiteral("或いは、『可視コピー』を実行してみてください。"));
}

} // namespace

void Window1::CopyOneItem(const FolderItemPtr& item, const FolderItemPtr& destination,
                          const QString& newName, bool replacing) {
    if (!item || !destination)
        return;
    // FIXME: the visible copy leaves out the items its exclusion list names, here.
    bool arrived = true;
    if (replacing) {
        // The engine makes the new copy under a temporary name of its own and swaps it
        // with the old item only when it is complete.
        const QByteArray source = item->posixPath(), folder = destination->posixPath();
        const QByteArray name = NameCodec::toBytes(newName);
        arrived = CopyRunner::run({source}, [&](CopyEngine& engine) {
                      return engine.copyReplacing(source, folder, name);
                  }).ok();
    } else if (!newName.isEmpty()) {
        FolderItemPtr temporary = destination->trueChild(kTemporaryFolder);
        if (temporary && temporary->exists())
            temporary = destination->trueChild(uniqueName(destination, kTemporaryFolder));
        if (!temporary || !temporary->createAsFolder())
            arrived = false;
        if (arrived) {
            makeNewWindow({fileitems::perfectPath(temporary)});
            CopyFileOrFolder(item, temporary);
            const FolderItemPtr copy = temporary->trueChild(item->name());
            arrived = copy && copy->exists() && copy->moveInto(*destination, newName);
            DeleteFileOrFolder(temporary);
        }
    } else {
        CopyFileOrFolder(item, destination);
    }
    if (isVisCopy)
        return;
    const FolderItemPtr result = destination->trueChild(newName.isEmpty() ? item->name() : newName);
    if (!arrived || !result || !result->exists())
        reportFailure();
}

void Window1::CopyFileOrFolder(const FolderItemPtr& item, const FolderItemPtr& destination) {
    // FIXME: the visible copy walks the tree itself here, completing each copied item.
    ItemCopy({fileitems::perfectPath(item), fileitems::perfectPath(destination)});
}
