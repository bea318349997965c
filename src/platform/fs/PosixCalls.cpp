#include "platform/fs/PosixCalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PosixCalls {

bool present(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

Status renameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return success();
    if (errno != EINVAL && errno != ENOSYS)
        return Status::fail("rename");
    if (present(to))
        return Status::fail("rename", EEXIST);
    return ::rename(from.constData(), to.constData()) == 0 ? success() : Status::fail("rename");
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

Result<QByteArray> readAll(int fd) {
    QByteArray bytes;
    char buf[65536];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            bytes.append(buf, n);
    if (n < 0)
        return Result<QByteArray>::fail("read");
    return bytes;
}

} // namespace PosixCalls
