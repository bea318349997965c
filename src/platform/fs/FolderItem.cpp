#include "platform/fs/FolderItem.h"

#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/Volumes.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

qint64 toMs(const statx_timestamp& t) {
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
}

// Removes "." and empty components and applies ".." by text, for paths whose folders do
// not exist (realpath cannot help there).
QByteArray lexicallyNormal(const QByteArray& absolute) {
    QList<QByteArray> kept;
    for (const QByteArray& part : absolute.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept.append(part);
    }
    return "/" + kept.join('/');
}

// The working folder as the kernel has it: decoding it to text and back would change
// names that are not UTF-8 into other names.
QByteArray workingFolder() {
    std::vector<char> buf(PATH_MAX);
    while (!::getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE)
            return {};
        buf.resize(buf.size() * 2);
    }
    return QByteArray(buf.data());
}

} // namespace

QByteArray FolderItemPaths::join(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray FolderItemPaths::lastName(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray FolderItemPaths::folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return "."; // a name relative to the working folder
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

bool FolderItemPaths::isValidName(const QByteArray& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\0');
}

bool FolderItemPaths::isCompanionName(const QByteArray& name) {
    return name.startsWith("._");
}

FolderItem::FolderItem(QByteArray canonicalPath) : m_path(std::move(canonicalPath)) {}
FolderItem::~FolderItem() = default;

FolderItemPtr FolderItem::fromPosixPath(const QByteArray& path) {
    if (path.isEmpty() || path.contains('\0'))
        return nullptr;
    QByteArray absolute = path;
    if (!absolute.startsWith('/')) {
        const QByteArray cwd = workingFolder();
        if (cwd.isEmpty())
            return nullptr;
        absolute = FolderItemPaths::join(cwd, path);
    }
    char buf[PATH_MAX];
    // As for the kernel, "link/" names the folder the link points to.
    if (absolute.size() > 1 && absolute.endsWith('/') && ::realpath(absolute.constData(), buf))
        return std::make_shared<FolderItem>(QByteArray(buf));
    while (absolute.size() > 1 && absolute.endsWith('/'))
        absolute.chop(1);
    const QByteArray name = FolderItemPaths::lastName(absolute);
    // A last "." or ".." names a folder that only realpath can find through links.
    if (name.isEmpty() || name == "." || name == "..") {
        const bool real = ::realpath(absolute.constData(), buf);
        return std::make_shared<FolderItem>(real ? QByteArray(buf) : lexicallyNormal(absolute));
    }
    // The last component stays as it is, so that a link names the link.
    const QByteArray folder = FolderItemPaths::folderOf(absolute);
    if (::realpath(folder.constData(), buf))
        return std::make_shared<FolderItem>(FolderItemPaths::join(buf, name));
    return std::make_shared<FolderItem>(lexicallyNormal(absolute));
}

FolderItem::Snapshot& FolderItem::snap() const {
    if (!m_snap)
        m_snap = std::make_unique<Snapshot>();
    return *m_snap;
}

const FolderItem::Snapshot& FolderItem::status() const {
    Snapshot& s = snap();
    if (s.statRead)
        return s;
    s.statRead = true;
    struct statx st;
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_BTIME;
    if (s.listedFolder) {
        const QByteArray name = FolderItemPaths::lastName(m_path);
        s.exists = ::statx(s.listedFolder->get(), name.constData(), AT_SYMLINK_NOFOLLOW, mask, &st) == 0;
    } else {
        s.exists = ::statx(AT_FDCWD, m_path.constData(), AT_SYMLINK_NOFOLLOW, mask, &st) == 0;
    }
    if (!s.exists)
        return s;
    s.mode = st.stx_mode;
    s.size = qint64(st.stx_size);
    s.mtimeMs = toMs(st.stx_mtime);
    if (st.stx_mask & STATX_BTIME)
        s.birthMs = toMs(st.stx_btime);
    return s;
}

const Volume* FolderItem::volume() const {
    Volumes::List now = Volumes::current();
    if (now != m_volumes) {
        m_volume = now ? Volumes::locate(*now, m_path) : nullptr;
        m_volumes = std::move(now);
    }
    return m_volume;
}

FinderInfoHints FolderItem::infoHints() const {
    FinderInfoHints hints;
    hints.companionExists = snap().companionExists;
    hints.isSymlink = isSymlink();
    const Volume* v = volume();
    hints.onHfsPlus = v && v->fsType == "hfsplus";
    return hints;
}

const FinderInfoRead& FolderItem::finderInfo() const {
    Snapshot& s = snap();
    if (!s.finderInfo)
        s.finderInfo =
            status().exists ? FinderInfoStore::read(m_path, infoHints()) : FinderInfoRead{};
    return *s.finderInfo;
}

void FolderItem::refresh() {
    m_snap.reset();
}

QString FolderItem::name() const {
    if (const Volume* v = volume(); v && v->mountPoint == m_path)
        return v->name;
    return NameCodec::fromBytes(FolderItemPaths::lastName(m_path));
}

int FolderItem::volumeRef() const {
    const Volume* v = volume();
    return v ? v->ref : 0;
}

bool FolderItem::isVolumeRoot() const {
    const Volume* v = volume();
    return v && v->mountPoint == m_path;
}

FolderItemPtr FolderItem::parent() const {
    if (m_path == "/" || isVolumeRoot())
        return nullptr;
    return std::make_shared<FolderItem>(FolderItemPaths::folderOf(m_path));
}

bool FolderItem::exists() const {
    struct stat st;
    return ::lstat(m_path.constData(), &st) == 0;
}

Status FolderItem::checkExists() const {
    struct stat st;
    return ::lstat(m_path.constData(), &st) == 0 ? success() : Status::fail("lstat");
}

bool FolderItem::isFolder() const {
    return S_ISDIR(status().mode);
}

bool FolderItem::isSymlink() const {
    return S_ISLNK(status().mode);
}

bool FolderItem::isAlias() const {
    if (!status().exists)
        return false;
    return isSymlink() || (!isFolder() && (finderInfo().info.flags() & FinderInfo::kIsAlias));
}

FolderItemPtr FolderItem::resolved() const {
    auto self = std::const_pointer_cast<FolderItem>(shared_from_this());
    if (!isSymlink()) {
        const auto target = isAlias() ? macAliasTarget() : nullptr;
        return target ? target : self;
    }
    char buf[PATH_MAX];
    if (!::realpath(m_path.constData(), buf))
        return self;
    return std::make_shared<FolderItem>(QByteArray(buf));
}

qint64 FolderItem::dataForkSize() const {
    return isFolder() ? 0 : status().size;
}

qint64 FolderItem::resourceForkSize() const {
    return isFolder() ? 0 : finderInfo().resourceForkSize;
}

QDateTime FolderItem::creationDate() const {
    const Snapshot& s = status();
    if (!s.exists)
        return {};
    return QDateTime::fromMSecsSinceEpoch(s.birthMs.value_or(s.mtimeMs), Qt::UTC);
}

QDateTime FolderItem::modificationDate() const {
    const Snapshot& s = status();
    return s.exists ? QDateTime::fromMSecsSinceEpoch(s.mtimeMs, Qt::UTC) : QDateTime();
}
