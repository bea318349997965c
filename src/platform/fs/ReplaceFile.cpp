#include "platform/fs/ReplaceFile.h"

#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/PosixCalls.h"
#include "platform/fs/UniqueFd.h"
#include "platform/fs/Xattr.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FolderItemPaths::folderOf;
using PosixCalls::writeAll;


// A short name beside the target; a stale one left by a crash is simply skipped.
Result<QByteArray> createTemporary(const QByteArray& target, UniqueFd& fd) {
    static std::atomic<unsigned> counter{0};
    const QByteArray folder = folderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = folder + "/.cs-" + QByteArray::number(::getpid()) + "-" +
                                QByteArray::number(counter++) + ".tmp";
        fd = UniqueFd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid())
            return path;
        if (errno != EEXIST)
            return Result<QByteArray>::fail("create");
    }
    return Result<QByteArray>::fail("create", EEXIST);
}

// What the old file carried goes to the new one. An owner that cannot be given (not
// root) leaves the new file the writer's, as any editor would; an attribute that cannot
// be carried over fails the whole replacement, which keeps the old file as it was.
Status carryOver(const QByteArray& old, const struct stat& st, int fd) {
    // The owner first: changing it clears set-id bits that the mode then restores.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM)
        return Status::fail("fchown");
    if (::fchmod(fd, st.st_mode & 07777) != 0)
        return Status::fail("fchmod");
    auto names = Xattr::list(old);
    if (!names)
        return Xattr::isUnsupported(names.error()) ? success() : Status(names.error());
    for (const QByteArray& name : names.value()) {
        if (!name.startsWith("user."))
            continue;
        auto value = Xattr::get(old, name.constData());
        if (!value && Xattr::isAbsent(value.error()))
            continue; // removed meanwhile
        if (!value)
            return value.error();
        if (Status set = Xattr::set(fd, name.constData(), value.value()); !set)
            return set;
    }
    return success();
}

} // namespace

Status ReplaceFile::write(const QByteArray& path, const QByteArray& bytes, const Options& options) {
    struct stat st;
    const bool hadOld = ::lstat(path.constData(), &st) == 0;
    if (!hadOld && errno != ENOENT)
        return Status::fail("lstat");
    if (hadOld && options.requireRegular && !S_ISREG(st.st_mode))
        return Status::fail("open", EINVAL);
    UniqueFd fd;
    const Result<QByteArray> temporary = createTemporary(path, fd);
    if (!temporary)
        return temporary.error();
    Status written = hadOld ? carryOver(path, st, fd.get()) : success();
    if (written)
        written = writeAll(fd.get(), bytes);
    if (written && options.sync && ::fsync(fd.get()) != 0)
        written = Status::fail("fsync");
    if (written && ::close(fd.release()) != 0)
        written = Status::fail("close");
    if (written && ::rename(temporary.value().constData(), path.constData()) != 0)
        written = Status::fail("rename");
    if (!written)
        ::unlink(temporary.value().constData());
    return written;
}
