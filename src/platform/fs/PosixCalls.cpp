#include "platform/fs/PosixCalls.h"

#include <cerrno>
#include <dirent.h>
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

Result<std::vector<QByteArray>> entriesOf(int folderFd) {
    // Reading a folder that is being copied must not even change its access time.
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    int readFd = ::openat(folderFd, ".", flags | O_NOATIME);
    if (readFd < 0 && errno == EPERM)
        readFd = ::openat(folderFd, ".", flags);
    DIR* dir = readFd < 0 ? nullptr : ::fdopendir(readFd);
    if (!dir) {
        if (readFd >= 0)
            ::close(readFd);
        return Result<std::vector<QByteArray>>::fail("opendir");
    }
    std::vector<QByteArray> names;
    errno = 0;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    const int failed = errno;
    ::closedir(dir);
    if (failed != 0)
        return Result<std::vector<QByteArray>>::fail("readdir", failed);
    return names;
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
