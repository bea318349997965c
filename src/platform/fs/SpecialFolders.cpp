#include "platform/fs/SpecialFolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

static FolderItemPtr fromLocation(QStandardPaths::StandardLocation location)
{
    const QString path = QStandardPaths::writableLocation(location);
    return path.isEmpty() ? nullptr : FolderItem::fromPosixPath(QFile::encodeName(path));
}

namespace SpecialFolders {

FolderItemPtr desktop() { return fromLocation(QStandardPaths::DesktopLocation); }
FolderItemPtr preferencesFolder() { return fromLocation(QStandardPaths::GenericConfigLocation); }
FolderItemPtr home() { return FolderItem::fromPosixPath(QFile::encodeName(QDir::homePath())); }

} // namespace SpecialFolders
