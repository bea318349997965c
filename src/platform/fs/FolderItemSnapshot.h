#pragma once

#include "platform/fs/FinderInfoStore.h"
#include "platform/fs/FolderItem.h"
#include "platform/fs/UniqueFd.h"

#include <functional>
#include <memory>
#include <vector>
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

// What the folder reader found for each entry, in directory order. Finder information is
// kept only for the few entries that have any, so a huge folder costs little while its
// items are handed out.
struct FolderItem::EntryReads {
    struct Status {
        bool exists = false;
        bool hasBirth = false;
        mode_t mode = 0;
        qint64 size = 0;
        qint64 mtimeMs = 0;
        qint64 birthMs = 0;
        int32_t info = -1; // index into infos; -1 for no Finder information at all
    };
    std::vector<Status> entries;
    std::vector<FinderInfoRead> infos;
    std::vector<bool> handedOut;
    size_t handedOutCount = 0;
};

namespace FolderReader {

// From this many entries on, the status and attribute reads run on a few worker threads;
// below it the thread start-up would cost more than it saves. Tests move it to compare
// the two ways of reading on the same folder.
size_t threadedFrom();
void setThreadedFrom(size_t entries);
// Runs between reading the names and reading their status: tests use it to change the
// folder while it is being read.
void setAfterNamesHook(std::function<void()> hook);

} // namespace FolderReader

namespace FolderItemPaths {

QByteArray join(const QByteArray& folder, const QByteArray& name);
QByteArray lastName(const QByteArray& path);
QByteArray folderOf(const QByteArray& path); // "/" in the root folder, "." for a bare name
// A name the program may give an item: not empty, ".", "..", and without "/" or NUL.
bool isValidName(const QByteArray& name);
bool isCompanionName(const QByteArray& name); // "._X"
// Only a regular file under "._NAME" is a companion that goes along with NAME: a folder
// or a link of that name is an item of its own.
bool isCompanionFile(const QByteArray& path);

} // namespace FolderItemPaths
