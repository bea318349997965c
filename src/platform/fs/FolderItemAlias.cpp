#include "platform/fs/FolderItem.h"

#include "platform/fs/CompanionFile.h"
#include "platform/fs/FinderInfoStore.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/MacAlias.h"
#include "platform/fs/Volumes.h"

namespace {

// Bookmark data is small, but Finder aliases to folders carry icons and can reach
// several megabytes; larger data forks are no alias record.
constexpr qint64 kMaxAliasFile = 16 * 1024 * 1024;

} // namespace

// The bookmark in the data fork is what the Finder itself reads first; the alias record
// of the resource fork is what older systems wrote.
FolderItemPtr FolderItem::macAliasTarget() const {
    std::optional<MacAliasTarget> target;
    if (status().size <= kMaxAliasFile) {
        // Read as a companion is: a regular file only, never through a link or a FIFO.
        if (auto data = CompanionFile::read(m_path))
            target = MacAlias::fromBookmark(data.value());
    }
    if (!target) {
        const auto record =
            MacAlias::resource(FinderInfoStore::resourceFork(m_path, infoHints()), "alis");
        if (record)
            target = MacAlias::fromAliasRecord(*record);
    }
    if (!target)
        return nullptr;
    const Volume* own = volume();
    const std::optional<Volume> named = own && own->name == target->volumeName
                                            ? std::optional<Volume>(*own)
                                            : Volumes::byName(target->volumeName);
    if (!named)
        return nullptr;
    const QByteArray path = target->path.isEmpty()
                                ? named->mountPoint
                                : FolderItemPaths::join(named->mountPoint, target->path);
    auto item = FolderItem::fromPosixPath(path);
    return item && item->exists() ? item : nullptr;
}
