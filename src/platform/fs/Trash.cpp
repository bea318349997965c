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

QByteArray canonical(const QByteArray& path) {
    char buf[PATH_MAX];
    return ::realpath(path.constData(), buf) ? QByteArray(buf) : path;
}

// $XDG_DATA_HOME/Trash, the user's own trash.
QByteArray homeTrash() {
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (!dataHome.startsWith('/'))
        dataHome = QFile::encodeName(QDir::homePath()) + "/.local/share";
    return FolderItemPaths::join(dataHome, "Trash");
}

// The freedesktop.org trash of a volume other than the home one: the shared
// $topdir/.Trash/$uid when .Trash is a real sticky folder, else $topdir/.Trash-$uid.
QByteArray volumeTrash(const QByteArray& topdir) {
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray shared = FolderItemPaths::join(topdir, ".Trash");
    struct stat st;
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
        return FolderItemPaths::join(shared, uid);
    return FolderItemPaths::join(topdir, ".Trash-" + uid);
}

} // namespace

FolderItemPtr FolderItem::trashFolder() const {
    const auto volume = Volumes::forPath(m_path);
    if (!volume)
        return nullptr;
    const QByteArray home = canonical(QFile::encodeName(QDir::homePath()));
    const auto homeVolume = Volumes::forPath(home);
    const QByteArray trash = homeVolume && homeVolume->ref == volume->ref
                                 ? homeTrash()
                                 : volumeTrash(volume->mountPoint);
    return std::make_shared<FolderItem>(FolderItemPaths::join(canonical(trash), "files"));
}
