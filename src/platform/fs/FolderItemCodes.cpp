#include "platform/fs/FolderItem.h"

#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/Volumes.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

const QByteArray kZeroCode(4, '\0');

struct Codes {
    QByteArray type;
    QByteArray creator;
};

// The codes a link stands for when it carries no codes of its own, as the Finder gives
// its alias files: by what the link points to.
Codes linkCodes(const QByteArray& linkPath) {
    const auto link = FolderItem::fromPosixPath(linkPath);
    const auto target = link ? link->resolved() : nullptr;
    if (!target || target.get() == link.get() || !target->exists())
        return {kZeroCode, kZeroCode};
    if (!target->isFolder())
        return {target->typeCode(), target->creatorCode()};
    if (target->isVolumeRoot())
        return {"hdsk", "MACS"};
    if (target->posixPath().toLower().endsWith(".app"))
        return {"adrp", "MACS"};
    return {"fdrp", "MACS"};
}

} // namespace

bool FolderItem::visible() const {
    return !(finderInfo().info.flags() & FinderInfo::kIsInvisible);
}

bool FolderItem::extensionHidden() const {
    return finderInfo().info.flags() & FinderInfo::kExtensionHidden;
}

Status FolderItem::changeFinderInfo(const std::function<void(FinderInfo&)>& change) {
    if (!status().exists)
        return Status::fail("finder info", ENOENT);
    const FinderInfoHints hints = infoHints();
    const Status done = FinderInfoStore::update(m_path, change, hints);
    // Read again on next use: the write may have created or removed the companion.
    snap().finderInfo.reset();
    snap().companionExists.reset();
    return done;
}

Status FolderItem::setVisible(bool visible) {
    return changeFinderInfo([visible](FinderInfo& info) {
        const uint16_t flags = info.flags();
        info.setFlags(visible ? flags & ~FinderInfo::kIsInvisible
                              : flags | FinderInfo::kIsInvisible);
    });
}

QByteArray FolderItem::typeCode() const {
    if (!status().exists)
        return kZeroCode;
    if (isFolder())
        return isVolumeRoot() ? "disk" : "fold";
    const FinderInfo& info = finderInfo().info;
    if (isAlias() && info.type() == kZeroCode && info.creator() == kZeroCode)
        return linkCodes(m_path).type;
    return info.type();
}

QByteArray FolderItem::creatorCode() const {
    if (!status().exists)
        return kZeroCode;
    if (isFolder())
        return "MACS";
    const FinderInfo& info = finderInfo().info;
    if (isAlias() && info.type() == kZeroCode && info.creator() == kZeroCode)
        return linkCodes(m_path).creator;
    return info.creator();
}

Status FolderItem::setCode(const QByteArray& code, bool isType) {
    // Only four bytes make a code; anything else would be cut or padded on the disk.
    if (code.size() != 4)
        return Status::fail("set code", EINVAL);
    if (!status().exists)
        return Status::fail("set code", ENOENT);
    // Folders and disks keep their fixed codes; the bytes there belong to the window.
    if (isFolder())
        return success();
    return changeFinderInfo([&](FinderInfo& info) {
        if (isType)
            info.setType(code);
        else
            info.setCreator(code);
    });
}

Status FolderItem::setTypeCode(const QByteArray& code) {
    return setCode(code, true);
}

Status FolderItem::setCreatorCode(const QByteArray& code) {
    return setCode(code, false);
}
