#include "platform/fs/FolderItem.h"

#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/Volumes.h"

#include <QDir>
#include <algorithm>
#include <iterator>
#include <QFile>
#include <QStandardPaths>

namespace {

// The folders the desktop prepares in the home folder, under the names a Japanese Mac
// gives its own, while they still carry their default English names.
struct UserFolder {
    QStandardPaths::StandardLocation location;
    const char* englishName;
    const char* shownName;
};

const UserFolder kUserFolders[] = {
    {QStandardPaths::DesktopLocation, "Desktop", "デスクトップ"},
    {QStandardPaths::DocumentsLocation, "Documents", "書類"},
    {QStandardPaths::DownloadLocation, "Downloads", "ダウンロード"},
    {QStandardPaths::MusicLocation, "Music", "ミュージック"},
    {QStandardPaths::PicturesLocation, "Pictures", "ピクチャ"},
    {QStandardPaths::MoviesLocation, "Videos", "ムービー"},
    {QStandardPaths::PublicShareLocation, "Public", "パブリック"},
    {QStandardPaths::TemplatesLocation, "Templates", "テンプレート"},
};

std::optional<QString> userFolderName(const QByteArray& path) {
    // The name decides first: only then is the home folder worth resolving, which costs
    // system calls for every folder row otherwise.
    const QByteArray name = FolderItemPaths::lastName(path);
    const auto f = std::find_if(std::begin(kUserFolders), std::end(kUserFolders),
                                [&](const UserFolder& u) { return name == u.englishName; });
    if (f == std::end(kUserFolders))
        return std::nullopt;
    const QByteArray home = QFile::encodeName(QDir(QDir::homePath()).canonicalPath());
    if (home.isEmpty() || FolderItemPaths::folderOf(path) != home)
        return std::nullopt;
    const QString location = QStandardPaths::writableLocation(f->location);
    if (QFile::encodeName(QDir::cleanPath(location)) == path)
        return QString::fromUtf8(f->shownName);
    return std::nullopt;
}

QString withoutExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? name.left(dot) : name;
}

QByteArray fromColonName(const QString& colonName) {
    return NameCodec::toBytes(colonName).replace('/', ':');
}

// Follows a colon path's names below a folder; no item for "." or ".." (which would
// leave the volume) or an empty name inside the path.
FolderItemPtr followColonNames(QByteArray folder, const QString& colonPath) {
    QStringList names = colonPath.split(':');
    if (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    for (const QString& name : names) {
        const QByteArray posix = fromColonName(name);
        if (!FolderItemPaths::isValidName(posix))
            return nullptr;
        folder = FolderItemPaths::join(folder, posix);
    }
    return std::make_shared<FolderItem>(folder);
}

} // namespace

QString FolderItem::displayName() const {
    if (isVolumeRoot())
        return NameCodec::forDisplay(name());
    if (isFolder()) {
        if (const auto shown = userFolderName(m_path))
            return *shown;
    }
    const QString shown = NameCodec::forDisplay(name());
    return extensionHidden() ? withoutExtension(shown) : shown;
}

QString FolderItem::absolutePath() const {
    const Volume* volume = this->volume();
    if (!volume)
        return {};
    QString path = QString(volume->name).replace(':', '/') + ':';
    if (m_path == volume->mountPoint)
        return path;
    // Names cannot hold "/", so the whole inside path decodes at once; then ":" in a
    // name becomes "/" and each "/" between names a ":".
    QString inside = NameCodec::fromBytes(
        m_path.mid(volume->mountPoint == "/" ? 1 : volume->mountPoint.size() + 1));
    for (QChar& c : inside) {
        if (c == QLatin1Char(':'))
            c = QLatin1Char('/');
        else if (c == QLatin1Char('/'))
            c = QLatin1Char(':');
    }
    path += inside;
    return isFolder() ? path + ':' : path;
}

FolderItemPtr FolderItem::fromAbsolutePath(const QString& colonPath) {
    const qsizetype colon = colonPath.indexOf(':');
    const QString volumeName = colon < 0 ? colonPath : colonPath.left(colon);
    const auto volume = Volumes::byName(QString(volumeName).replace('/', ':'));
    if (!volume)
        return nullptr;
    return followColonNames(volume->mountPoint, colon < 0 ? QString() : colonPath.mid(colon + 1));
}

FolderItemPtr FolderItem::lookUp(const QString& nameOrPath) const {
    if (nameOrPath.isEmpty())
        return nullptr;
    if (nameOrPath.contains(':') && isVolumeRoot()) {
        if (nameOrPath.startsWith(':'))
            return followColonNames(m_path, nameOrPath.mid(1));
        if (Volumes::byName(nameOrPath.left(nameOrPath.indexOf(':')).replace('/', ':')))
            return fromAbsolutePath(nameOrPath);
    }
    const QByteArray name = NameCodec::toBytes(nameOrPath);
    if (!FolderItemPaths::isValidName(name))
        return nullptr;
    return std::make_shared<FolderItem>(FolderItemPaths::join(m_path, name));
}

FolderItemPtr FolderItem::trueChild(const QString& nameOrPath) const {
    return lookUp(nameOrPath);
}

FolderItemPtr FolderItem::child(const QString& nameOrPath) const {
    const auto item = lookUp(nameOrPath);
    return item && item->isAlias() ? item->resolved() : item;
}
