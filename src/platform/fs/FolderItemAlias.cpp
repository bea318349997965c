#include "platform/fs/FolderItem.h"

#include "platform/fs/FinderInfoStore.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/MacAlias.h"
#include "platform/fs/Volumes.h"

#include <QFile>

namespace {

// Bookmark data is small, but Finder aliases to folders carry icons and can reach
// several megabytes; larger data forks are no alias record.
constexpr qint64 kMaxAliasFile = 16 * 1024 * 1024;

QByteArray dataFork(const QByteArray& path) {
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAliasFile)
        return {};
    return file.read(kMaxAliasFile);
}

} // namespace

// The bookmark in the data fork is what the Finder itself reads first; the alias record
// of the resource fork is what older systems wrote.
FolderItemPtr FolderItem::macAliasTarget() const {
    std::optional<MacAliasTarget> target = MacAlias::fromBookmark(dataFork(m_path));
    if (!target) {
        const auto record = MacAlias::resource(FinderInfoStore::resourceFork(m_path, infoHints()),
                                               "alis");
        if (record)
            target = MacAlias::fromAliasRecord(*record);
    }
    if (!target)
        return nullptr;
    const Volume* own = volume();
    const std::optional<Volume> named =
        own && own->name == target->volumeName ? std::optional<Volume>(*own)
                                               : Volumes::byName(target->volumeName);
    if (!named)
        return nullptr;
    const QByteArray path = target->path.isEmpty()
                                ? named->mountPoint
                                : FolderItemPaths::join(named->mountPoint, target->path);
    auto item = FolderItem::fromPosixPath(path);
    return item && item->exists() ? item : nullptr;
}
