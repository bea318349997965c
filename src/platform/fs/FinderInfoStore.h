#pragma once

#include "platform/Result.h"
#include "platform/fs/FinderInfo.h"

#include <QByteArray>
#include <functional>
#include <optional>

// Where an item's Finder information and resource fork live, read in this order:
// user.com.apple.FinderInfo, osx.com.apple.FinderInfo (hfsplus), netatalk metadata,
// Samba AfpInfo, then the AppleDouble companion "._NAME" beside the item.
enum class FinderInfoSource { None, UserXattr, HfsPlusXattr, Netatalk, Samba, AppleDouble };

struct FinderInfoRead {
    FinderInfo info;                              // zero when there is none
    FinderInfoSource source = FinderInfoSource::None;
    qint64 resourceForkSize = 0;
};

// What the caller already knows, to save system calls on huge folders.
struct FinderInfoHints {
    std::optional<bool> companionExists; // from the folder listing, when known
    bool isSymlink = false;              // links cannot hold user attributes
    bool onHfsPlus = false;              // only then is osx.* worth asking for
};

namespace FinderInfoStore {

FinderInfoRead read(const QByteArray& posixPath, const FinderInfoHints& hints = {});

// Read-modify-write: change() edits the current information; only the bytes it changes
// are written, where the information already lives, else into the user attribute, else
// into the companion. Permission refusals never fall back to creating a companion.
Status update(const QByteArray& posixPath, const std::function<void(FinderInfo&)>& change,
              const FinderInfoHints& hints = {});

// The resource fork's bytes, from the user attribute or the companion; empty for none
// and for one too large to be worth reading.
QByteArray resourceFork(const QByteArray& posixPath, const FinderInfoHints& hints = {});

QByteArray companionPath(const QByteArray& posixPath); // "dir/._name"

} // namespace FinderInfoStore
