#include "mainwindow/Window1.h"

#include "dialogs/NameCheckWindow.h"
#include "dialogs/answers.h"
#include "fileitems/Paths.h"
#include "platform/fs/CopyEngine.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/StaticText.h"
#include "platform/script/FinderScripts.h"

namespace {

const QString kCR = QStringLiteral("\r");

QString operationWord(int mode) {
    switch (mode) {
    case 1:
        return QStringLiteral("移動");
    case 2:
        return QStringLiteral("エイリアス作成");
    default:
        return QStringLiteral("コピー");
    }
}

QString quoted(const FolderItemPtr& item) {
    return QLatin1Char('"') + item->displayName() + QLatin1Char('"');
}

// What the one item is to become, once a name clash has been answered.
enum class Clash { None, Suffix, Replace, Skip };

// A name clash at the destination: the same-folder move is explained once per batch and
// skipped; otherwise the batch's standing answer, or the user's, decides. name comes in
// as the target name and leaves as the name to use.
Clash answerClash(Window1& w, const FolderItemPtr& item, const FolderItemPtr& destination, int mode,
                  QString& name) {
    const FolderItemPtr existing = destination->trueChild(name);
    if (!existing || !existing->exists())
        return Clash::None;
    const bool sameFolder = w.inTheFolder(item, destination);
    if (mode == 1 && sameFolder) {
        if (w.firstFlag) {
            MessageBox::note(quoted(item) + QStringLiteral(" の") + operationWord(mode) + kCR +
                             kCR +
                             QStringLiteral("移動元と移動先が同じなので、キャンセルします。") +
                             kCR + QStringLiteral("一括処理の残りの項目についても、同様の場合は") +
                             kCR + QStringLiteral("すべてキャンセルします。"));
            w.firstFlag = false;
        }
        return Clash::Skip;
    }
    if (globals::afterAll == 0) {
        if (sameFolder) {
            globals::retVal = 1; // a copy into its own folder goes beside the item
        } else {
            NameCheckWindow check;
            check.setTitle(operationWord(mode) + QStringLiteral("の同名チェック"));
            check.MsgText->setText(item->displayName());
            globals::retVal = 0; // closed by other means than its buttons: cancel
            check.showModal();
        }
    }
    const QString newName = Window1::uniqueName(destination, name);
    const int answer = globals::afterAll != 0 ? globals::afterAll : globals::retVal;
    if (answer == 2 && !sameFolder)
        return Clash::Replace;
    if (answer != 1 && answer != 2)
        return Clash::Skip;
    // A suffix; or a replace of the item by itself, which goes beside itself instead.
    name = newName;
    return Clash::Suffix;
}

} // namespace

// A replaced item is swapped out only once the new one stands complete beside it, so
// that a failure leaves the old one where it was.
bool Window1::moveReplacing(const FolderItemPtr& item, const FolderItemPtr& destination,
                            const QString& name) {
    const FolderItemPtr home = item->parent();
    const QString ownName = item->name();
    const QString temporary =
        QString::fromLatin1(CopyEngine::temporaryName(destination->posixPath()));
    if (!home || !item->moveInto(*destination, temporary))
        return false;
    const FolderItemPtr target = destination->trueChild(name);
    if (target && CopyEngine::swapIn(item->posixPath(), target->posixPath()))
        return true;
    item->moveInto(*home, ownName);
    return false;
}

bool Window1::aliasReplacing(const FolderItemPtr& item, const FolderItemPtr& destination,
                             const QString& name) {
    const QString temporary =
        QString::fromLatin1(CopyEngine::temporaryName(destination->posixPath()));
    makeAliases({fileitems::perfectPath(item), fileitems::perfectPath(destination), temporary});
    const FolderItemPtr fresh = destination->trueChild(temporary);
    const FolderItemPtr target = destination->trueChild(name);
    if (!fresh || !fresh->exists())
        return false;
    if (target && CopyEngine::swapIn(fresh->posixPath(), target->posixPath()))
        return true;
    DeleteFileOrFolder(fresh);
    return false;
}

void Window1::CopyOrMoveOneFile(const FolderItemPtr& item, const FolderItemPtr& destination,
                                int mode) {
    if (!item || !destination || !item->exists() || !destination->exists())
        return;
    if (mode == 1 && item->volumeRef() != destination->volumeRef())
        mode = 0; // across volumes a move is a copy, and the item stays
    if (mode == 1 && isReservedName(item)) {
        const QString text = quoted(item) + kCR + kCR +
                             QStringLiteral("これはシステムで準備されたもののようです。") +
                             QStringLiteral("本当に移動してよいのですか。");
        if (MessageBox::show(MessageBox::Kind::Caution, text) != MessageBox::Answer::Ok)
            return;
    }
    const QString targetName =
        mode == 2 ? item->displayName() + QStringLiteral(" のエイリアス") : item->name();

    QString name = targetName;
    const Clash clash = answerClash(*this, item, destination, mode, name);
    if (clash == Clash::Skip)
        return;

    const bool replacing = clash == Clash::Replace;
    switch (mode) {
    case 0:
        CopyOneItem(item, destination, clash == Clash::None ? QString() : name, replacing);
        break;
    case 1:
        if (replacing)
            moveReplacing(item, destination, name);
        else
            item->moveInto(*destination, name); // a refused move is not reported
        break;
    default:
        if (replacing)
            aliasReplacing(item, destination, name);
        else
            makeAliases({fileitems::perfectPath(item), fileitems::perfectPath(destination), name});
        break;
    }
}
