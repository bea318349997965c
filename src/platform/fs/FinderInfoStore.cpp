#include "platform/fs/FinderInfoStore.h"

#include "platform/fs/AfpInfo.h"
#include "platform/fs/AppleDouble.h"
#include "platform/fs/CompanionFile.h"
#include "platform/fs/NetatalkMetadata.h"
#include "platform/fs/Xattr.h"

#include <cerrno>
#include <sys/stat.h>

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
    // A Finder information attribute stands but does not hold 32 bytes: unreadable, and
    // never to be replaced by fresh bytes that would lose its type and creator.
    bool damaged = false;
    // The attributes could be neither listed nor asked for by name: what a write would
    // replace is unknown.
    std::optional<SysError> unknown;
    qint64 resourceForkSize = 0;
};

// The attributes this store reads, asked for by name when the listing fails.
const char* const kKnownNames[] = {kUserFinderInfo, kHfsPlusFinderInfo,
                                   NetatalkMetadata::kAttributeName, AfpInfo::kAttributeName,
                                   kUserResourceFork};

// Reads a container attribute that the listing named; its parser judges the bytes.
std::optional<QByteArray> attribute(const QByteArray& path, const QList<QByteArray>& names,
                                    const char* name)
{
    if (!names.contains(QByteArray(name)))
        return std::nullopt;
    auto value = Xattr::get(path, name);
    if (!value)
        return std::nullopt;
    return value.value();
}

// The 32-byte Finder information attribute, when the listing names it; a value of
// another size marks the location damaged (and the search goes on down the order).
std::optional<FinderInfo> finderInfoAttribute(const QByteArray& path,
                                              const QList<QByteArray>& names, const char* name,
                                              Location& loc)
{
    if (!names.contains(QByteArray(name)))
        return std::nullopt;
    auto value = Xattr::get(path, name);
    if (!value) {
        if (!Xattr::isAbsent(value.error()))
            loc.unknown = value.error();
        return std::nullopt;
    }
    if (value.value().size() != 32) {
        loc.damaged = true;
        return std::nullopt;
    }
    return FinderInfo::fromBytes(value.value());
}

void locateInAttributes(const QByteArray& path, const QList<QByteArray>& names,
                        const FinderInfoHints& hints, Location& loc)
{
    if (auto info = finderInfoAttribute(path, names, kUserFinderInfo, loc)) {
        loc.source = FinderInfoSource::UserXattr;
        loc.info = *info;
    } else if (auto info = hints.onHfsPlus
                               ? finderInfoAttribute(path, names, kHfsPlusFinderInfo, loc)
                               : std::nullopt) {
        loc.source = FinderInfoSource::HfsPlusXattr;
        loc.info = *info;
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

QList<QByteArray> namesByAsking(const QByteArray& path, Location& loc)
{
    QList<QByteArray> names;
    for (const char* name : kKnownNames) {
        auto size = Xattr::size(path, name);
        if (size)
            names.append(QByteArray(name));
        else if (!Xattr::isAbsent(size.error()) && !Xattr::isUnsupported(size.error()))
            loc.unknown = size.error(); // ("osx." names exist on hfsplus alone)
    }
    return names;
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
    } else {
        // Too many names to list (E2BIG) or another failure: that says nothing about the
        // few attributes that matter here.
        names = namesByAsking(path, loc);
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
    if (next.isEmpty())
        return Status::fail("AppleDouble", EOVERFLOW);
    // Judged on the file as it was read, not on the rebuilt bytes: a rebuild that lost
    // entries must never make the companion look empty.
    if (ad.holdsNothingWith(info))
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

mode_t itemKind(const QByteArray& path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// Nowhere holds information yet: the user attribute when the item takes one, else the
// companion. A refusal is final, so a read-only or forbidden item never grows a "._X".
Status writeNew(const QByteArray& path, const Location& loc, const FinderInfo& info)
{
    if (loc.acceptsUserAttributes) {
        Status set = writeUserAttribute(path, info);
        if (set.ok() || !Xattr::isUnsupported(set.error(), itemKind(path)))
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
    // With nothing readable found, the write would go to the damaged attribute itself.
    if (loc.damaged && loc.source == FinderInfoSource::None)
        return Status::fail("finder info", EBADMSG);
    if (loc.unknown)
        return *loc.unknown;
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

QByteArray resourceFork(const QByteArray& posixPath, const FinderInfoHints& hints)
{
    auto size = Xattr::size(posixPath, kUserResourceFork);
    if (size && size.value() <= CompanionFile::kMaxSize)
        return Xattr::get(posixPath, kUserResourceFork).valueOr({});
    if (size || !hints.companionExists.value_or(true))
        return {};
    auto bytes = CompanionFile::read(companionPath(posixPath));
    const auto companion = bytes ? AppleDouble::parse(bytes.value()) : std::nullopt;
    return companion ? companion->resourceFork() : QByteArray();
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
