#include "platform/fs/FolderItem.h"

#include "platform/fs/DeleteTree.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/Trash.h"
#include "platform/fs/UniqueFd.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool present(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

// Renames without ever replacing what stands at the target. Where the file system has no
// RENAME_NOREPLACE, check and rename: a narrow race, accepted.
Status renameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return success();
    if (errno != EINVAL && errno != ENOSYS)
        return Status::fail("rename");
    if (present(to))
        return Status::fail("rename", EEXIST);
    return ::rename(from.constData(), to.constData()) == 0 ? success() : Status::fail("rename");
}

} // namespace

Status FolderItem::rename(const QString& newName) {
    return relocate(FolderItemPaths::folderOf(m_path), newName);
}

Status FolderItem::moveInto(const FolderItem& folder, const QString& newName) {
    return relocate(folder.posixPath(), newName.isEmpty() ? name() : newName);
}

Status FolderItem::relocate(const QByteArray& folder, const QString& newName) {
    const QByteArray name = NameCodec::toBytes(newName);
    if (!FolderItemPaths::isValidName(name))
        return Status::fail("rename", EINVAL);
    const QByteArray oldFolder = FolderItemPaths::folderOf(m_path);
    const QByteArray oldName = FolderItemPaths::lastName(m_path);
    if (name == oldName && folder == oldFolder)
        return success();
    const QByteArray target = FolderItemPaths::join(folder, name);
    const QByteArray companion = FolderItemPaths::join(oldFolder, "._" + oldName);
    const QByteArray newCompanion = FolderItemPaths::join(folder, "._" + name);
    const bool withCompanion = !FolderItemPaths::isCompanionName(oldName) && present(companion);
    if (withCompanion && present(newCompanion))
        return Status::fail("rename", EEXIST);

    if (Status moved = renameNoReplace(m_path, target); !moved)
        return moved;
    if (withCompanion) {
        if (Status followed = renameNoReplace(companion, newCompanion); !followed) {
            // The item must not stand apart from its Finder information: undo.
            renameNoReplace(target, m_path);
            return followed;
        }
    }
    m_path = target;
    refresh();
    return success();
}

Status FolderItem::createAsFolder() {
    refresh();
    return ::mkdir(m_path.constData(), 0777) == 0 ? success() : Status::fail("mkdir");
}

Status FolderItem::deleteItem() {
    const QByteArray name = FolderItemPaths::lastName(m_path);
    const QByteArray folder = FolderItemPaths::folderOf(m_path);
    const QByteArray companion = FolderItemPaths::join(folder, "._" + name);
    refresh();
    Status removed = DeleteTree::remove(m_path);
    if (!removed)
        return removed;
    const bool companionGoes = !FolderItemPaths::isCompanionName(name) && present(companion);
    if (companionGoes)
        ::unlink(companion.constData());
    // An entry of a trash leaves no info file behind, or desktops would list it still.
    if (const auto trash = Trash::ofFilesFolder(folder)) {
        Trash::forgetEntry(*trash, name);
        if (companionGoes && !present(companion))
            Trash::forgetEntry(*trash, "._" + name);
    }
    return removed;
}

Result<QString> FolderItem::readText() const {
    const UniqueFd fd(::open(m_path.constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return Result<QString>::fail("open");
    QByteArray bytes;
    char buf[65536];
    ssize_t n;
    while ((n = ::read(fd.get(), buf, sizeof buf)) > 0)
        bytes.append(buf, n);
    if (n < 0)
        return Result<QString>::fail("read");
    return QString::fromUtf8(bytes);
}

namespace {

Status writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Status::fail("write", n < 0 ? errno : EIO);
        done += n;
    }
    return success();
}

// A temporary file beside the target, created with the usual mode so that the umask
// applies as it would to the file itself.
Result<QByteArray> createTemporary(const QByteArray& target, UniqueFd& fd) {
    static std::atomic<int> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = FolderItemPaths::join(FolderItemPaths::folderOf(target),
                                                      "." + FolderItemPaths::lastName(target) +
                                                          ".tmp-" + QByteArray::number(::getpid()) +
                                                          "-" + QByteArray::number(counter++));
        fd = UniqueFd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid())
            return path;
        if (errno != EEXIST)
            return Result<QByteArray>::fail("create");
    }
    return Result<QByteArray>::fail("create", EEXIST);
}

} // namespace

Status FolderItem::writeText(const QString& text) {
    UniqueFd fd;
    const Result<QByteArray> temporary = createTemporary(m_path, fd);
    if (!temporary)
        return Status(temporary.error());
    struct stat old;
    if (::stat(m_path.constData(), &old) == 0)
        ::fchmod(fd.get(), old.st_mode & 07777);
    Status written = writeAll(fd.get(), text.toUtf8());
    if (written && ::fsync(fd.get()) != 0)
        written = Status::fail("fsync");
    if (written && ::close(fd.release()) != 0)
        written = Status::fail("close");
    if (written && ::rename(temporary.value().constData(), m_path.constData()) != 0)
        written = Status::fail("rename");
    if (!written)
        ::unlink(temporary.value().constData());
    refresh();
    return written;
}

Status FolderItem::setModificationDate(const QDateTime& when) {
    if (!when.isValid())
        return Status::fail("utimensat", EINVAL);
    const qint64 ms = when.toMSecsSinceEpoch();
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    times[1].tv_nsec = ((ms % 1000 + 1000) % 1000) * 1'000'000;
    refresh();
    if (::utimensat(AT_FDCWD, m_path.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        return Status::fail("utimensat");
    return success();
}

Status FolderItem::setCreationDate(const QDateTime&) {
    // Linux keeps a birth time but offers no way to set it.
    return success();
}
