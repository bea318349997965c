#include "platform/fs/MountTable.h"

#include "platform/fs/NameCodec.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Kernel and helper file systems that hold no user files (after GLib's gunixmounts).
// tmpfs and ramfs are not among them: a separate /tmp is a volume like any other partition, and
// the tmpfs mounts under /dev and /run are left out by their paths.
const QSet<QByteArray>& systemFsTypes() {
    static const QSet<QByteArray> types = {"adfs",         "afs",
                                           "auto",         "autofs",
                                           "autofs4",      "binfmt_misc",
                                           "bpf",          "cgroup",
                                           "cgroup2",      "configfs",
                                           "debugfs",      "devfs",
                                           "devpts",       "devtmpfs",
                                           "efivarfs",     "fusectl",
                                           "hugetlbfs",    "mqueue",
                                           "nfsd",         "nsfs",
                                           "overlay",      "proc",
                                           "pstore",       "rootfs",
                                           "rpc_pipefs",   "securityfs",
                                           "selinuxfs",    "squashfs",
                                           "sysfs",        "tracefs",
                                           "usbfs",        "fuse.lxcfs",
                                           "fuse.portal",  "fuse.gvfsd-fuse",
                                           "fuse.snapfuse"};
    return types;
}

bool isUnder(const QByteArray& path, const QByteArray& folder) {
    return path == folder || path.startsWith(folder + '/');
}

bool isSystemPath(const QByteArray& path) {
    if (isUnder(path, "/run/media"))
        return false;
    if (path.startsWith("/run/user/") && path.contains("/gvfs"))
        return false;
    for (const char* system : {"/proc", "/sys", "/dev", "/run"}) {
        if (isUnder(path, system))
            return true;
    }
    return false;
}

// mountinfo writes space, tab, newline and backslash as \040-style octal escapes.
QByteArray unescape(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray oct = field.mid(i + 1, 3);
            bool ok = oct.size() == 3;
            for (char c : oct)
                ok = ok && c >= '0' && c <= '7';
            if (ok) {
                out += char(oct.toInt(nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool isSingleFile(const QByteArray& mountPoint) {
    struct stat st;
    if (::fstatat(AT_FDCWD, mountPoint.constData(), &st, AT_NO_AUTOMOUNT) != 0)
        return false;
    return !S_ISDIR(st.st_mode);
}

// /dev/disk/by-label names carry udev's \x20-style escapes.
QByteArray unescapeUdev(const QByteArray& name) {
    QByteArray out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            bool ok = false;
            const int v = name.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(v);
                i += 3;
                continue;
            }
        }
        out += name[i];
    }
    return out;
}

QByteArray realDevice(const QByteArray& path) {
    char buf[PATH_MAX];
    return ::realpath(path.constData(), buf) ? QByteArray(buf) : QByteArray();
}

QHash<QByteArray, QByteArray> labelsByDevice() {
    QHash<QByteArray, QByteArray> labels;
    const QByteArray folder = "/dev/disk/by-label";
    const QDir dir(QString::fromLocal8Bit(folder));
    for (const QString& entry : dir.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QByteArray raw = entry.toLocal8Bit();
        const QByteArray device = realDevice(folder + '/' + raw);
        if (!device.isEmpty())
            labels.insert(device, unescapeUdev(raw));
    }
    return labels;
}

QString hostName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0 || !buf[0])
        return QStringLiteral("Linux");
    return NameCodec::fromBytes(buf);
}

QString volumeName(const MountTable::Mount& m, const QHash<QByteArray, QByteArray>& labels) {
    if (m.source.startsWith('/')) {
        const QByteArray label = labels.value(realDevice(m.source));
        if (!label.isEmpty())
            return NameCodec::fromBytes(label);
    }
    if (m.mountPoint == "/")
        return hostName();
    return NameCodec::fromBytes(m.mountPoint.mid(m.mountPoint.lastIndexOf('/') + 1));
}

} // namespace

std::vector<MountTable::Mount> MountTable::parse(const QByteArray& mountinfo) {
    std::vector<Mount> mounts;
    for (const QByteArray& line : mountinfo.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        // id parent major:minor root mountpoint options [optional...] - fstype source ...
        const qsizetype dash = f.indexOf("-");
        if (f.size() < 5 || dash < 6 || dash + 2 >= f.size())
            continue;
        bool ok = false;
        Mount m;
        m.id = f[0].toInt(&ok);
        if (!ok || m.id <= 0)
            continue;
        m.parent = f[1].toInt();
        m.mountPoint = unescape(f[4]);
        m.fsType = unescape(f[dash + 1]);
        m.source = unescape(f[dash + 2]);
        mounts.push_back(std::move(m));
    }
    return mounts;
}

bool MountTable::isUserVolume(const Mount& m) {
    if (m.mountPoint == "/")
        return true; // the start-up volume, whatever a container mounts there
    return !systemFsTypes().contains(m.fsType) && !isSystemPath(m.mountPoint) &&
           !isSingleFile(m.mountPoint);
}

namespace {

bool isAncestorMount(const std::vector<MountTable::Mount>& mounts,
                     const QHash<int, size_t>& byId, size_t ancestor, size_t mount) {
    size_t at = mount;
    for (size_t steps = 0; steps <= mounts.size(); ++steps) {
        const auto parent = byId.constFind(mounts[at].parent);
        if (parent == byId.constEnd() || *parent == at)
            return false;
        if (*parent == ancestor)
            return true;
        at = *parent;
    }
    return false;
}

} // namespace

std::vector<MountTable::Mount> MountTable::reachable(std::vector<Mount> mounts) {
    QHash<int, size_t> byId;
    for (size_t i = 0; i < mounts.size(); ++i)
        byId.insert(mounts[i].id, i);
    std::vector<bool> hidden(mounts.size(), false);
    // A later mount on the same folder or on a folder above covers an earlier one, unless
    // the earlier one lives inside it. "/" itself covers nothing: it is every tree's base.
    for (size_t i = 0; i < mounts.size(); ++i) {
        for (size_t j = i + 1; j < mounts.size() && !hidden[i]; ++j) {
            const QByteArray& over = mounts[j].mountPoint;
            hidden[i] = over != "/" && isUnder(mounts[i].mountPoint, over) &&
                        !isAncestorMount(mounts, byId, j, i);
        }
    }
    // What is mounted inside a covered mount is out of reach too.
    for (bool spread = true; spread;) {
        spread = false;
        for (size_t i = 0; i < mounts.size(); ++i) {
            const auto parent = byId.constFind(mounts[i].parent);
            if (!hidden[i] && parent != byId.constEnd() && *parent != i && hidden[*parent])
                hidden[i] = spread = true;
        }
    }
    std::vector<Mount> kept;
    for (size_t i = 0; i < mounts.size(); ++i) {
        if (!hidden[i])
            kept.push_back(std::move(mounts[i]));
    }
    return kept;
}

std::vector<Volume> MountTable::volumesFrom(const QByteArray& mountinfo) {
    std::vector<Mount> kept;
    for (Mount& m : reachable(parse(mountinfo))) {
        if (!isUserVolume(m))
            continue;
        std::erase_if(kept, [&](const Mount& k) { return k.mountPoint == m.mountPoint; });
        kept.push_back(std::move(m));
    }
    std::stable_partition(kept.begin(), kept.end(),
                          [](const Mount& m) { return m.mountPoint == "/"; });
    const auto labels = labelsByDevice();
    std::vector<Volume> volumes;
    for (const Mount& m : kept)
        volumes.push_back({volumeName(m, labels), m.mountPoint, m.id, m.fsType});
    return volumes;
}

MountTable::Watch::Watch() : m_fd(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC)) {}

MountTable::Watch::~Watch() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool MountTable::Watch::changed() {
    if (m_fd < 0)
        return true;
    pollfd p{m_fd, POLLPRI, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLPRI | POLLERR));
}

QByteArray MountTable::Watch::read(const std::function<void()>& meanwhile) {
    QByteArray text;
    if (m_fd < 0)
        return text;
    changed();
    if (meanwhile)
        meanwhile();
    if (::lseek(m_fd, 0, SEEK_SET) != 0)
        return text;
    char buf[65536];
    ssize_t n;
    while ((n = ::read(m_fd, buf, sizeof buf)) > 0)
        text.append(buf, n);
    return text;
}
