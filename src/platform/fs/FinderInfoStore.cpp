#include "platform/fs/FinderInfoStore.h"

#include "platform/fs/AfpInfo.h"
#include "platform/fs/AppleDouble.h"
#include "platform/fs/CompanionFile.h"
#include "platform/fs/NetatalkMetadata.h"
#include "platform/fs/Xattr.h"

#include <cerrno>

namespace {

constexpr const char* kUserFinderInfo = "user.com.apple.FinderInfo";
constexpr const char* kHfsPlusFinderInfo = "osx.com.apple.FinderInfo";
constexpr const char* kUserResourceFork = "user.com.apple.ResourceFork";

// Everything one look at an item found out about where its information lives.
struct Location {
    FinderInfoSource source = FinderInfoSource::None;
    FinderInfo info;
    QByteArray container; // the netatalk or Samba attribute's bytes, kept for writing back
    std::optional<AppleDouble> companion;
    bool companionUnreadable = false;
    bool acceptsUserAttributes = true;
    qint64 resourceForkSize = 0;
};

// Reads an attribute that the listing named; a fixed-size one of the wrong size is
// treated as absent.
std::optional<QByteArray> attribute(const QByteArray& path, const QList<QByteArray>& names,
                                    const char* name, qsizetype requiredSize = -1)
{
    if (!names.contains(QByteArray(name)))
        return std::nullopt;
    auto value = Xattr::get(path, name);
    if (!value || (requiredSize >= 0 && value.value().size() != requiredSize))
        return std::nullopt;
    return value.value();
}

void locateInAttributes(const QByteArray& path, const QList<QByteArray>& names,
                        const FinderInfoHints& hints, Location& loc)
{
    if (auto raw = attribute(path, names, kUserFinderInfo, 32)) {
        loc.source = FinderInfoSource::UserXattr;
        loc.info = FinderInfo::fromBytes(*raw);
    } else if (auto raw = hints.onHfsPlus ? attribute(path, names, kHfsPlusFinderInfo, 32)
                                          : std::nullopt) {
        loc.source = FinderInfoSource::HfsPlusXattr;
        loc.info = FinderInfo::fromBytes(*raw);
    } else if (auto raw = attribute(path, names, NetatalkMetadata::kAttributeName);
               raw && NetatalkMetadata::read(*raw)) {
        loc.source = FinderInfoSource::Netatalk;
        loc.info = *NetatalkMetadata::read(*raw);
        loc.container = *raw;
    } else if (auto raw = attribute(path, names, AfpInfo::kAttributeName);
               raw && AfpInfo::read(*raw)) {
        loc.source = FinderInfoSource::Samba;
        loc.info = *AfpInfo::read(*raw);
        loc.container = *raw;
    }
}

void locateInCompanion(const QByteArray& path, bool needForkSize, Location& loc)
{
    const QByteArray companion = FinderInfoStore::companionPath(path);
    if (companion.isEmpty())
        return;
    auto bytes = CompanionFile::read(companion);
    if (!bytes) {
        loc.companionUnreadable = !CompanionFile::isMissing(bytes.error());
        return;
    }
    loc.companion = AppleDouble::parse(bytes.value());
    if (!loc.companion) {
        loc.companionUnreadable = true;
        return;
    }
    if (loc.source == FinderInfoSource::None && loc.companion->hasFinderInfo()) {
        loc.source = FinderInfoSource::AppleDouble;
        loc.info = loc.companion->finderInfo();
    }
    if (needForkSize)
        loc.resourceForkSize = loc.companion->resourceForkLength();
}

// One llistxattr tells which attributes exist; only those are read, and the companion
// is opened only when it may exist and still has something to tell.
Result<Location> locate(const QByteArray& path, const FinderInfoHints& hints)
{
    Location loc;
    QList<QByteArray> names;
    if (auto listed = Xattr::list(path)) {
        names = listed.value();
    } else if (Xattr::isMissingItem(listed.error())) {
        return listed.error();
    } else if (Xattr::isUnsupported(listed.error())) {
        loc.acceptsUserAttributes = false;
    }
    if (hints.isSymlink)
        loc.acceptsUserAttributes = false;
    locateInAttributes(path, names, hints, loc);
    const bool forkInAttribute = names.contains(QByteArray(kUserResourceFork));
    if (forkInAttribute)
        loc.resourceForkSize = Xattr::size(path, kUserResourceFork).valueOr(0);
    const bool companionWanted = loc.source == FinderInfoSource::None || !forkInAttribute;
    if (companionWanted && hints.companionExists.value_or(true))
        locateInCompanion(path, !forkInAttribute, loc);
    return loc;
}

Status writeUserAttribute(const QByteArray& path, const FinderInfo& info)
{
    if (!info.isZero())
        return Xattr::set(path, kUserFinderInfo, info.toBytes());
    // macOS, too, drops the attribute rather than keep thirty-two zeros.
    Status removed = Xattr::remove(path, kUserFinderInfo);
    return removed.ok() || Xattr::isAbsent(removed.error()) ? success() : removed;
}

Status writeContainer(const QByteArray& path, const char* name,
                      const std::optional<QByteArray>& bytes)
{
    return bytes ? Xattr::set(path, name, *bytes) : Status::fail("lsetxattr", EBADMSG);
}

// The companion already there: patch its 32 bytes where it has the entry, lay it out
// anew where it has not, and remove it once it holds nothing.
Status writeExistingCompanion(const QByteArray& companion, const AppleDouble& ad,
                              const FinderInfo& info)
{
    const QByteArray next = ad.withFinderInfo(info);
    auto parsed = AppleDouble::parse(next);
    if (parsed && parsed->holdsNothing())
        return CompanionFile::remove(companion);
    if (ad.hasFinderInfo())
        return CompanionFile::patch(companion, ad.finderInfoOffset(), info.toBytes());
    return CompanionFile::replace(companion, next);
}

Status writeCompanion(const QByteArray& path, const Location& loc, const FinderInfo& info)
{
    const QByteArray companion = FinderInfoStore::companionPath(path);
    if (companion.isEmpty() || loc.companionUnreadable)
        return Status::fail("AppleDouble", EBADMSG); // never overwrite what we cannot read
    if (loc.companion)
        return writeExistingCompanion(companion, *loc.companion, info);
    if (info.isZero())
        return success();
    return CompanionFile::create(companion, AppleDouble::fresh(info));
}

// Nowhere holds information yet: the user attribute when the item takes one, else the
// companion. A refusal is final, so a read-only or forbidden item never grows a "._X".
Status writeNew(const QByteArray& path, const Location& loc, const FinderInfo& info)
{
    if (loc.acceptsUserAttributes) {
        Status set = writeUserAttribute(path, info);
        if (set.ok() || !Xattr::isUnsupported(set.error()))
            return set;
    }
    return writeCompanion(path, loc, info);
}

} // namespace

namespace FinderInfoStore {

FinderInfoRead read(const QByteArray& posixPath, const FinderInfoHints& hints)
{
    FinderInfoRead out;
    auto loc = locate(posixPath, hints);
    if (!loc)
        return out;
    out.info = loc.value().info;
    out.source = loc.value().source;
    out.resourceForkSize = loc.value().resourceForkSize;
    return out;
}

Status update(const QByteArray& posixPath, const std::function<void(FinderInfo&)>& change,
              const FinderInfoHints& hints)
{
    // Writes are rare: look at the companion even when a listing thought it absent.
    FinderInfoHints fresh = hints;
    fresh.companionExists.reset();
    auto found = locate(posixPath, fresh);
    if (!found)
        return found.error();
    const Location& loc = found.value();
    FinderInfo next = loc.info;
    change(next);
    if (next.bytes == loc.info.bytes)
        return success();
    switch (loc.source) {
    case FinderInfoSource::UserXattr:
        return writeUserAttribute(posixPath, next);
    case FinderInfoSource::HfsPlusXattr: // the catalog's bytes: zeroed, never removed
        return Xattr::set(posixPath, kHfsPlusFinderInfo, next.toBytes());
    case FinderInfoSource::Netatalk:
        return writeContainer(posixPath, NetatalkMetadata::kAttributeName,
                              NetatalkMetadata::withFinderInfo(loc.container, next));
    case FinderInfoSource::Samba:
        return writeContainer(posixPath, AfpInfo::kAttributeName,
                              AfpInfo::withFinderInfo(loc.container, next));
    case FinderInfoSource::AppleDouble:
        return writeCompanion(posixPath, loc, next);
    case FinderInfoSource::None:
        break;
    }
    return writeNew(posixPath, loc, next);
}

QByteArray companionPath(const QByteArray& posixPath)
{
    const qsizetype slash = posixPath.lastIndexOf('/');
    const QByteArray name = posixPath.mid(slash + 1);
    if (name.isEmpty() || name == "." || name == "..")
        return {};
    return posixPath.left(slash + 1) + "._" + name;
}

} // namespace FinderInfoStore
