#include "platform/fs/FolderItem.h"

#include "platform/fs/DeleteTree.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/PosixCalls.h"
#include "platform/fs/ReplaceFile.h"
#include "platform/fs/Trash.h"
#include "platform/fs/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using PosixCalls::present;
using PosixCalls::renameNoReplace;

} // namespace

bool FolderItemPaths::isCompanionFile(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

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
    const bool withCompanion =
        !FolderItemPaths::isCompanionName(oldName) && FolderItemPaths::isCompanionFile(companion);
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
    const bool companionGoes =
        !FolderItemPaths::isCompanionName(name) && FolderItemPaths::isCompanionFile(companion);
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
    const Result<QByteArray> bytes = PosixCalls::readAll(fd.get());
    if (!bytes)
        return Result<QString>(bytes.error());
    return QString::fromUtf8(bytes.value());
}

namespace {

constexpr int kMaxLinkHops = 40; // as the kernel's ELOOP limit

// The file a chain of links names, so that replacing it leaves the links in place.
Result<QByteArray> linkTarget(QByteArray path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? Result<QByteArray>(path) : Result<QByteArray>::fail("lstat");
        if (!S_ISLNK(st.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0 || n >= target.size())
            return Result<QByteArray>::fail("readlink", n < 0 ? errno : ENAMETOOLONG);
        target.truncate(n);
        path = target.startsWith('/')
                   ? target
                   : FolderItemPaths::join(FolderItemPaths::folderOf(path), target);
    }
    return Result<QByteArray>::fail("readlink", ELOOP);
}

} // namespace

Status FolderItem::writeText(const QString& text) {
    refresh();
    const Result<QByteArray> target = linkTarget(m_path);
    if (!target)
        return target.error();
    return ReplaceFile::write(target.value(), text.toUtf8(),
                              {.sync = true, .requireRegular = true});
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
