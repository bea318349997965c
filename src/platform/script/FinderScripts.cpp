#include "platform/script/FinderScripts.h"

#include "platform/fs/ErrorText.h"
#include "platform/fs/FolderItem.h"
#include "platform/gui/CopyRunner.h"
#include "platform/gui/Services.h"
#include "platform/script/FileManagerBus.h"

#include <QFile>
#include <QUrl>
#include <cerrno>
#include <unistd.h>

namespace {

FolderItemPtr itemAt(const QVariantList& args, int index) {
    if (index >= args.size())
        return nullptr;
    FolderItemPtr item = FolderItem::fromAbsolutePath(args[index].toString());
    return item && item->exists() ? item : nullptr;
}

QStringList texts(const QVariantList& args) {
    QStringList out;
    for (const QVariant& v : args)
        out << v.toString();
    return out;
}

QString failure(const SysError& e) {
    return QString::fromUtf8(ErrorText::reason(e));
}

// The three requests that only ask the desktop to show something: recorded while tests
// record them, else sent to the file manager.
QString askFileManager(const char* kind, const char* method, const QVariantList& args) {
    if (Services::instance().recordFinder(QString::fromLatin1(kind), texts(args)))
        return {};
    const FolderItemPtr item = itemAt(args, 0);
    if (!item)
        return failure({"lookup", ENOENT});
    const QString path = QFile::decodeName(item->posixPath());
    return FileManagerBus::call(QString::fromLatin1(method), {path}) ? QString()
                                                                     : failure({"dbus", EIO});
}

} // namespace

QString ItemCopy(const QVariantList& args) {
    const FolderItemPtr item = itemAt(args, 0);
    const FolderItemPtr folder = itemAt(args, 1);
    if (!item || !folder)
        return failure({"lookup", ENOENT});
    const QByteArray source = item->posixPath(), destination = folder->posixPath();
    const Status copied = CopyRunner::run(
        {source}, [&](CopyEngine& engine) { return engine.copyInto(source, destination); });
    return copied ? QString() : failure(copied.error());
}

QString makeNewWindow(const QVariantList&) {
    // Its callers rely on it doing nothing: a window on a temporary folder would flash.
    return {};
}

QString showInfo(const QVariantList& args) {
    return askFileManager("showInfo", "ShowItemProperties", args);
}

QString revealItem(const QVariantList& args) {
    return askFileManager("revealItem", "ShowItems", args);
}

QString openFinderWindow(const QVariantList& args) {
    if (Services::instance().recordFinder(QStringLiteral("openFinderWindow"), texts(args)))
        return {};
    const FolderItemPtr folder = itemAt(args, 0);
    if (!folder)
        return failure({"lookup", ENOENT});
    const QString path = QFile::decodeName(folder->posixPath());
    if (FileManagerBus::available() && FileManagerBus::call(QStringLiteral("ShowFolders"), {path}))
        return {};
    return Services::instance().launch(QUrl::fromLocalFile(path)) ? QString()
                                                                  : failure({"open", EIO});
}

QString makeAliases(const QVariantList& args) {
    const FolderItemPtr original = itemAt(args, 0);
    const FolderItemPtr folder = itemAt(args, 1);
    if (!original || !folder || args.size() < 3)
        return failure({"lookup", ENOENT});
    const FolderItemPtr alias = folder->trueChild(args[2].toString());
    if (!alias)
        return failure({"symlink", EINVAL});
    if (::symlink(original->posixPath().constData(), alias->posixPath().constData()) != 0)
        return failure({"symlink", errno});
    return {};
}

namespace FinderScripts {

QString run(int scriptId, const QVariantList& args) {
    switch (scriptId) {
    case kItemCopy:
        return ItemCopy(args);
    case kMakeNewWindow:
        return makeNewWindow(args);
    case kShowInfo:
        return showInfo(args);
    case kRevealItem:
        return revealItem(args);
    case kMakeAliases:
        return makeAliases(args);
    case kOpenFinderWindow:
        return openFinderWindow(args);
    default:
        return failure({"script", ENOENT});
    }
}

} // namespace FinderScripts
