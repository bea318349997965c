#include "platform/fs/FinderInfoStore.h"

#include "platform/fs/Xattr.h"

namespace {

constexpr const char* kUserFinderInfo = "user.com.apple.FinderInfo";
constexpr const char* kUserResourceFork = "user.com.apple.ResourceFork";

} // namespace

namespace FinderInfoStore {

FinderInfoRead read(const QByteArray& posixPath, const FinderInfoHints&)
{
    FinderInfoRead out;
    auto raw = Xattr::get(posixPath, kUserFinderInfo);
    if (raw.ok() && raw.value().size() == 32) {
        out.info = FinderInfo::fromBytes(raw.value());
        out.source = FinderInfoSource::UserXattr;
    }
    out.resourceForkSize = Xattr::size(posixPath, kUserResourceFork).valueOr(0);
    return out;
}

Status update(const QByteArray& posixPath, const std::function<void(FinderInfo&)>& change,
              const FinderInfoHints& hints)
{
    FinderInfoRead current = read(posixPath, hints);
    FinderInfo next = current.info;
    change(next);
    if (next.bytes == current.info.bytes)
        return success();
    if (next.isZero()) {
        Status removed = Xattr::remove(posixPath, kUserFinderInfo);
        return removed.ok() || Xattr::isAbsent(removed.error()) ? success() : removed;
    }
    return Xattr::set(posixPath, kUserFinderInfo, next.toBytes());
}

QByteArray companionPath(const QByteArray& posixPath)
{
    qsizetype slash = posixPath.lastIndexOf('/');
    return posixPath.left(slash + 1) + "._" + posixPath.mid(slash + 1);
}

} // namespace FinderInfoStore
