#include "platform/fs/Xattr.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace Xattr {

// The value can grow between asking its size and reading it; a few retries settle that.
static constexpr int kRaceRetries = 4;

Result<QByteArray> get(const QByteArray& path, const char* name)
{
    for (int attempt = 0; attempt < kRaceRetries; ++attempt) {
        ssize_t n = ::lgetxattr(path.constData(), name, nullptr, 0);
        if (n < 0)
            return Result<QByteArray>::fail("lgetxattr");
        QByteArray value(qsizetype(n), Qt::Uninitialized);
        ssize_t got = ::lgetxattr(path.constData(), name, value.data(), size_t(n));
        if (got >= 0) {
            value.truncate(qsizetype(got));
            return value;
        }
        if (errno != ERANGE)
            return Result<QByteArray>::fail("lgetxattr");
    }
    return Result<QByteArray>::fail("lgetxattr", ERANGE);
}

Result<qint64> size(const QByteArray& path, const char* name)
{
    ssize_t n = ::lgetxattr(path.constData(), name, nullptr, 0);
    if (n < 0)
        return Result<qint64>::fail("lgetxattr");
    return qint64(n);
}

Status set(const QByteArray& path, const char* name, const QByteArray& value)
{
    if (::lsetxattr(path.constData(), name, value.constData(), size_t(value.size()), 0) != 0)
        return Status::fail("lsetxattr");
    return success();
}

Status set(int fd, const char* name, const QByteArray& value)
{
    if (::fsetxattr(fd, name, value.constData(), size_t(value.size()), 0) != 0)
        return Status::fail("fsetxattr");
    return success();
}

Status remove(const QByteArray& path, const char* name)
{
    if (::lremovexattr(path.constData(), name) != 0)
        return Status::fail("lremovexattr");
    return success();
}

static QList<QByteArray> splitNames(const QByteArray& raw)
{
    QList<QByteArray> names;
    for (const QByteArray& part : raw.split('\0'))
        if (!part.isEmpty())
            names.append(part);
    return names;
}

Result<QList<QByteArray>> list(const QByteArray& path)
{
    for (int attempt = 0; attempt < kRaceRetries; ++attempt) {
        ssize_t n = ::llistxattr(path.constData(), nullptr, 0);
        if (n < 0)
            return Result<QList<QByteArray>>::fail("llistxattr");
        if (n == 0)
            return QList<QByteArray>();
        QByteArray raw(qsizetype(n), Qt::Uninitialized);
        ssize_t got = ::llistxattr(path.constData(), raw.data(), size_t(n));
        if (got >= 0) {
            raw.truncate(qsizetype(got));
            return splitNames(raw);
        }
        if (errno != ERANGE)
            return Result<QList<QByteArray>>::fail("llistxattr");
    }
    return Result<QList<QByteArray>>::fail("llistxattr", ERANGE);
}

bool isAbsent(const SysError& e) { return e.code == ENODATA; }
bool isUnsupported(const SysError& e) { return e.code == ENOTSUP || e.code == EPERM; }
bool isUnsupported(const SysError& e, unsigned kind)
{
    if (e.code == EPERM && (S_ISREG(kind) || S_ISDIR(kind)))
        return false;
    return isUnsupported(e);
}
bool isRefusal(const SysError& e) { return e.code == EACCES || e.code == EROFS; }
bool isMissingItem(const SysError& e) { return e.code == ENOENT || e.code == ENOTDIR; }

} // namespace Xattr
