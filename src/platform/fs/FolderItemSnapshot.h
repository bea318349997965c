#pragma once

#include "platform/fs/FinderInfoStore.h"
#include "platform/fs/FolderItem.h"
#include "platform/fs/UniqueFd.h"

#include <memory>
#include <optional>
#include <sys/types.h>

// What a FolderItem learnt about its item, each part read once on first use.
struct FolderItem::Snapshot {
    // From the folder listing that produced the item, before anything is read: the
    // listed folder stays open so that the item's status is asked relative to it,
    // sparing the kernel a walk of the whole path per entry.
    std::optional<bool> companionExists;
    std::shared_ptr<const UniqueFd> listedFolder;

    bool statRead = false;
    bool exists = false;
    mode_t mode = 0;
    qint64 size = 0;
    qint64 mtimeMs = 0;
    std::optional<qint64> birthMs;

    std::optional<FinderInfoRead> finderInfo;
};

namespace FolderItemPaths {

QByteArray join(const QByteArray& folder, const QByteArray& name);
QByteArray lastName(const QByteArray& path);
QByteArray folderOf(const QByteArray& path); // "/" for items in the root folder
// A name the program may give an item: not empty, ".", "..", and without "/" or NUL.
bool isValidName(const QByteArray& name);
bool isCompanionName(const QByteArray& name); // "._X"
// Only a regular file under "._NAME" is a companion that goes along with NAME: a folder
// or a link of that name is an item of its own.
bool isCompanionFile(const QByteArray& path);

} // namespace FolderItemPaths
