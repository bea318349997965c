#include "platform/fs/AppleDouble.h"
#include "platform/fs/CompanionFile.h"
#include "platform/fs/CopyParts.h"
#include "platform/fs/UniqueFd.h"

#include <QList>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr char kUserPrefix[] = "user.";
constexpr char kHfsPlusFinderInfo[] = "osx.com.apple.FinderInfo";
constexpr char kFinderInfoName[] = "com.apple.FinderInfo";
constexpr char kResourceForkName[] = "com.apple.ResourceFork";
constexpr int kRaceRetries = 4;

Result<QByteArray> getAttribute(int fd, const QByteArray& name) {
    for (int attempt = 0; attempt < kRaceRetries; ++attempt) {
        const ssize_t n = ::fgetxattr(fd, name.constData(), nullptr, 0);
        if (n < 0)
            return Result<QByteArray>::fail("fgetxattr");
        QByteArray value(qsizetype(n), Qt::Uninitialized);
        const ssize_t got = ::fgetxattr(fd, name.constData(), value.data(), size_t(n));
        if (got >= 0) {
            value.truncate(qsizetype(got));
            return value;
        }
        if (errno != ERANGE)
            return Result<QByteArray>::fail("fgetxattr");
    }
    return Result<QByteArray>::fail("fgetxattr", ERANGE);
}

Result<QList<QByteArray>> listAttributes(int fd) {
    for (int attempt = 0; attempt < kRaceRetries; ++attempt) {
        const ssize_t n = ::flistxattr(fd, nullptr, 0);
        if (n < 0)
            return errno == ENOTSUP ? QList<QByteArray>()
                                    : Result<QList<QByteArray>>::fail("flistxattr");
        if (n == 0)
            return QList<QByteArray>();
        QByteArray raw(qsizetype(n), Qt::Uninitialized);
        const ssize_t got = ::flistxattr(fd, raw.data(), size_t(n));
        if (got >= 0) {
            raw.truncate(qsizetype(got));
            QList<QByteArray> names;
            for (const QByteArray& part : raw.split('\0'))
                if (!part.isEmpty())
                    names.append(part);
            return names;
        }
        if (errno != ERANGE)
            return Result<QList<QByteArray>>::fail("flistxattr");
    }
    return Result<QList<QByteArray>>::fail("flistxattr", ERANGE);
}

// The destination cannot keep this attribute as an attribute (no user attributes at
// all, or none this large): the companion keeps it instead.
bool belongsInCompanion(int code) {
    return code == ENOTSUP || code == EPERM || code == E2BIG || code == ENOSPC;
}

// The user attribute an attribute is copied as; empty for those not copied (security,
// trusted and system attributes belong to the system, not to the file).
QByteArray copiedName(const QByteArray& name, const QList<QByteArray>& all) {
    if (name.startsWith(kUserPrefix))
        return name;
    if (name == kHfsPlusFinderInfo && !all.contains(QByteArray(kUserPrefix) + kFinderInfoName))
        return QByteArray(kUserPrefix) + kFinderInfoName;
    return {};
}

Result<std::optional<QByteArray>> readCompanion(int folder, const QByteArray& name,
                                                struct stat& st) {
    const QByteArray companion = "._" + name;
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int opened = ::openat(folder, companion.constData(), kFlags | O_NOATIME);
    if (opened < 0 && errno == EPERM)
        opened = ::openat(folder, companion.constData(), kFlags);
    const UniqueFd fd(opened);
    if (!fd.valid()) {
        if (errno == ENOENT || errno == ELOOP)
            return std::optional<QByteArray>();
        return Result<std::optional<QByteArray>>::fail("open");
    }
    if (::fstat(fd.get(), &st) != 0)
        return Result<std::optional<QByteArray>>::fail("fstat");
    if (!S_ISREG(st.st_mode))
        return std::optional<QByteArray>(); // not a companion, and not ours to copy here
    if (st.st_size > CompanionFile::kMaxSize)
        return Result<std::optional<QByteArray>>::fail("read", EFBIG);
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd.get(), bytes.data() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Result<std::optional<QByteArray>>::fail("pread");
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return std::optional<QByteArray>(bytes);
}

// The source companion's parts with the left-over attributes laid over them.
std::optional<QByteArray> mergedCompanion(const std::optional<QByteArray>& existing,
                                          const std::vector<NamedAttribute>& leftover) {
    AppleDoubleAttributes::Contents contents;
    if (existing) {
        const auto parsed = AppleDouble::parse(*existing);
        const auto read = parsed ? AppleDoubleAttributes::read(*parsed) : std::nullopt;
        if (!read)
            return std::nullopt;
        contents = *read;
    }
    for (const NamedAttribute& a : leftover) {
        if (a.name == kFinderInfoName && a.value.size() == 32) {
            contents.info = FinderInfo::fromBytes(a.value);
        } else if (a.name == kResourceForkName) {
            contents.resourceFork = a.value;
        } else {
            auto same = std::find_if(contents.attributes.begin(), contents.attributes.end(),
                                     [&](const NamedAttribute& b) { return b.name == a.name; });
            if (same != contents.attributes.end())
                same->value = a.value;
            else
                contents.attributes.push_back(a);
        }
    }
    return AppleDoubleAttributes::compose(contents);
}

Status writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Status::fail("write", n < 0 ? errno : EIO);
        done += n;
    }
    return success();
}

} // namespace

namespace CopyParts {

// FAT keeps no modes (and FUSE drivers of it may not even have the call): its refusal is
// not a reason to fail the copy.
bool modesUnsupported(int code) {
    return code == EPERM || code == ENOTSUP || code == ENOSYS;
}

bool isCompanionName(const QByteArray& name) {
    return name.startsWith("._") && name.size() > 2;
}

Result<std::vector<NamedAttribute>> copyAttributes(int from, int to) {
    std::vector<NamedAttribute> leftover;
    const auto names = listAttributes(from);
    if (!names)
        return names.error();
    bool toCompanion = false;
    for (const QByteArray& name : names.value()) {
        const QByteArray target = copiedName(name, names.value());
        if (target.isEmpty())
            continue;
        const auto value = getAttribute(from, name);
        if (!value) {
            if (errno == ENODATA)
                continue; // removed meanwhile
            return value.error();
        }
        if (!toCompanion && ::fsetxattr(to, target.constData(), value.value().constData(),
                                        size_t(value.value().size()), 0) == 0)
            continue;
        if (!toCompanion && !belongsInCompanion(errno))
            return Status::fail("fsetxattr").error();
        // Once the destination refused one for lack of support, it refuses them all.
        toCompanion = toCompanion || errno == ENOTSUP || errno == EPERM;
        leftover.push_back({target.mid(qsizetype(sizeof kUserPrefix) - 1), value.value()});
    }
    return leftover;
}

Status copyCompanion(int sourceFolder, const QByteArray& sourceName, int targetFolder,
                     const QByteArray& targetName, const std::vector<NamedAttribute>& leftover) {
    struct stat st {};
    const auto existing = readCompanion(sourceFolder, sourceName, st);
    if (!existing)
        return existing.error();
    if (!existing.value() && leftover.empty())
        return success();
    QByteArray bytes;
    if (leftover.empty()) {
        bytes = *existing.value();
    } else {
        const auto merged = mergedCompanion(existing.value(), leftover);
        if (!merged) // an unreadable companion cannot take the attributes without loss
            return Status::fail("AppleDouble", EBADMSG);
        bytes = *merged;
    }
    const UniqueFd out(::openat(targetFolder, ("._" + targetName).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!out.valid())
        return Status::fail("create");
    if (Status s = writeAll(out.get(), bytes); !s)
        return s;
    if (existing.value())
        return finishOpen(out.get(), st);
    ::fchmod(out.get(), 0644);
    return success();
}

Status finishOpen(int fd, const struct stat& source, bool withDates) {
    if (::geteuid() == 0)
        (void)::fchown(fd, source.st_uid, source.st_gid);
    if (::fchmod(fd, source.st_mode & 07777) != 0 && !modesUnsupported(errno))
        return Status::fail("fchmod");
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (withDates && ::futimens(fd, times) != 0)
        return Status::fail("futimens");
    return success();
}

} // namespace CopyParts
