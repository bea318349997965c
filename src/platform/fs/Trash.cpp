#include "platform/fs/Trash.h"

#include "platform/fs/FolderItem.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/Volumes.h"

#include <QDir>
#include <QFile>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// realpath of the deepest folder that exists, the rest appended as it stands: a trash
// that is not made yet still gets the path it will have.
QByteArray canonicalAsFarAsItExists(const QByteArray& path) {
    char buf[PATH_MAX];
    if (::realpath(path.constData(), buf))
        return QByteArray(buf);
    const QByteArray folder = FolderItemPaths::folderOf(path);
    if (folder == path)
        return path;
    return FolderItemPaths::join(canonicalAsFarAsItExists(folder), FolderItemPaths::lastName(path));
}

// $XDG_DATA_HOME/Trash, the user's own trash.
Trash::Location homeTrash() {
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (!dataHome.startsWith('/'))
        dataHome = QFile::encodeName(QDir::homePath()) + "/.local/share";
    return {canonicalAsFarAsItExists(FolderItemPaths::join(dataHome, "Trash")), {}};
}

// The shared $topdir/.Trash/$uid when .Trash is a real sticky folder (a link is not
// trusted: it could lead anywhere), else $topdir/.Trash-$uid.
Trash::Location volumeTrash(const QByteArray& topdir) {
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray shared = FolderItemPaths::join(topdir, ".Trash");
    struct stat st;
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
        return {FolderItemPaths::join(shared, uid), topdir};
    return {FolderItemPaths::join(topdir, ".Trash-" + uid), topdir};
}

} // namespace

namespace Trash {

QByteArray Location::files() const {
    return FolderItemPaths::join(root, "files");
}

QByteArray Location::info() const {
    return FolderItemPaths::join(root, "info");
}

QByteArray Location::infoFile(const QByteArray& name) const {
    return FolderItemPaths::join(info(), name + ".trashinfo");
}

std::optional<Location> forVolumeOf(const QByteArray& canonicalPath) {
    const auto volume = Volumes::forPath(canonicalPath);
    if (!volume)
        return std::nullopt;
    char buf[PATH_MAX];
    const QByteArray homePath = QFile::encodeName(QDir::homePath());
    const QByteArray home = ::realpath(homePath.constData(), buf) ? QByteArray(buf) : homePath;
    const auto homeVolume = Volumes::forPath(home);
    if (homeVolume && homeVolume->ref == volume->ref)
        return homeTrash();
    return volumeTrash(volume->mountPoint);
}

std::optional<Location> ofFilesFolder(const QByteArray& filesPath) {
    if (FolderItemPaths::lastName(filesPath) != "files")
        return std::nullopt;
    const Location home = homeTrash();
    if (home.files() == filesPath)
        return home;
    const auto own = forVolumeOf(filesPath);
    if (own && own->files() == filesPath)
        return own;
    return std::nullopt;
}

} // namespace Trash

FolderItemPtr FolderItem::trashFolder() const {
    const auto trash = Trash::forVolumeOf(m_path);
    return trash ? std::make_shared<FolderItem>(trash->files()) : nullptr;
}
