#include "platform/fs/DeleteTree.h"

#include "platform/fs/UniqueFd.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void keepFirst(Status& first, const Status& next) {
    if (first.ok() && !next.ok())
        first = next;
}

// Empties the folder open as fd (the caller closes it). Entries are read first, so that
// removing them does not disturb the directory stream.
Status emptyFolder(int fd, dev_t device) {
    const int readFd = ::dup(fd);
    DIR* dir = readFd < 0 ? nullptr : ::fdopendir(readFd);
    if (!dir) {
        if (readFd >= 0)
            ::close(readFd);
        return Status::fail("opendir");
    }
    std::vector<QByteArray> names;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);

    Status result = success();
    for (const QByteArray& name : names) {
        struct stat st;
        if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            keepFirst(result, Status::fail("lstat"));
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            if (st.st_dev != device) {
                keepFirst(result, Status::fail("cross mount", EXDEV));
                continue;
            }
            const UniqueFd sub(
                ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!sub.valid()) {
                keepFirst(result, Status::fail("open"));
                continue;
            }
            keepFirst(result, emptyFolder(sub.get(), device));
            if (::unlinkat(fd, name.constData(), AT_REMOVEDIR) != 0)
                keepFirst(result, Status::fail("rmdir"));
        } else if (::unlinkat(fd, name.constData(), 0) != 0) {
            keepFirst(result, Status::fail("unlink"));
        }
    }
    return result;
}

} // namespace

Status DeleteTree::remove(const QByteArray& path) {
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return Status::fail("lstat");
    if (!S_ISDIR(st.st_mode))
        return ::unlink(path.constData()) == 0 ? success() : Status::fail("unlink");
    Status result = success();
    {
        const UniqueFd fd(
            ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!fd.valid())
            return Status::fail("open");
        result = emptyFolder(fd.get(), st.st_dev);
    }
    if (::rmdir(path.constData()) != 0)
        keepFirst(result, Status::fail("rmdir"));
    return result;
}
