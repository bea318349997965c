#pragma once

#include "platform/fs/AppleDouble.h"
#include "platform/fs/AppleDoubleAttributes.h"
#include "platform/fs/CopyEngine.h"
#include "support/TempDir.h"

#include "support/QtPrinters.h"
#include <QCryptographicHash>

#include <QStringList>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

// Everything the copy must keep, as text: per entry below a root, sorted by path, its
// kind, mode, modification time, content, link target and user attributes. Two trees
// with equal descriptions are equal copies. withAccessTimes adds access times, to show
// that reading a source left it alone.
namespace copytest {

// Reads without touching access times, so that describing a source leaves it as it was.
inline QByteArray contentHash(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NOATIME | O_NONBLOCK);
    if (fd < 0)
        return "unreadable";
    QCryptographicHash hash(QCryptographicHash::Sha1);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        hash.addData(QByteArrayView(buffer, n));
    ::close(fd);
    return hash.result().toHex();
}

inline QStringList userAttributes(const QByteArray& path) {
    char names[65536];
    const ssize_t n = ::llistxattr(path.constData(), names, sizeof names);
    QStringList out;
    for (ssize_t at = 0; at < n; at += ssize_t(std::strlen(names + at)) + 1) {
        const QByteArray name(names + at);
        if (!name.startsWith("user."))
            continue;
        out << QString::fromLatin1(name + "=" + getXattr(path, name.constData()).toHex());
    }
    out.sort();
    return out;
}

inline QStringList namesIn(const QByteArray& folder) {
    QStringList names;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOATIME);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names << QString::fromLocal8Bit(e->d_name);
    ::closedir(dir);
    names.sort();
    return names;
}

inline void describeInto(const QByteArray& root, const QByteArray& relative, bool withAccess,
                         QStringList& out) {
    const QByteArray path = relative.isEmpty() ? root : root + "/" + relative;
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) {
        out << QString::fromLocal8Bit(relative) + " missing";
        return;
    }
    QString line = QString::fromLocal8Bit(relative) + QStringLiteral(" mode=%1 mtime=%2.%3")
                                                          .arg(st.st_mode, 0, 8)
                                                          .arg(st.st_mtim.tv_sec)
                                                          .arg(st.st_mtim.tv_nsec);
    // Reading a link's target sets its access time; nothing can read it otherwise.
    if (withAccess && !S_ISLNK(st.st_mode))
        line += QStringLiteral(" atime=%1.%2").arg(st.st_atim.tv_sec).arg(st.st_atim.tv_nsec);
    if (S_ISREG(st.st_mode))
        line += " data=" + QString::fromLatin1(contentHash(path));
    if (S_ISLNK(st.st_mode)) {
        char target[4096];
        const ssize_t n = ::readlink(path.constData(), target, sizeof target);
        line += " link=" + QString::fromLocal8Bit(target, int(std::max<ssize_t>(n, 0)));
    }
    line += " xattr=" + userAttributes(path).join(',');
    out << line;
    if (!S_ISDIR(st.st_mode))
        return;
    for (const QString& name : namesIn(path))
        describeInto(root,
                     relative.isEmpty() ? name.toLocal8Bit() : relative + "/" + name.toLocal8Bit(),
                     withAccess, out);
}

// root/name and, when it stands beside it, root/._name.
inline QString describe(const QByteArray& folder, const QByteArray& name, bool withAccess = false) {
    QStringList out;
    describeInto(folder + "/" + name, {}, withAccess, out);
    struct stat st {};
    const QByteArray companion = folder + "/._" + name;
    if (::lstat(companion.constData(), &st) == 0) {
        out << "companion:";
        describeInto(companion, {}, withAccess, out);
    }
    return out.join('\n');
}

inline QByteArray finderBytes(const QByteArray& type, const QByteArray& creator, uint16_t flags) {
    QByteArray info = type + creator + QByteArray(24, '\0');
    info[8] = char(flags >> 8);
    info[9] = char(flags & 0xff);
    return info;
}

inline void setTimes(const QByteArray& path, time_t mtime) {
    const struct timespec times[2] = {{mtime - 100, 0}, {mtime, 123456789}};
    ::utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW);
}

inline QByteArray bigFile(const QByteArray& path, qint64 bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QByteArray chunk(1024 * 1024, 'x');
    for (qint64 done = 0; done < bytes; done += chunk.size())
        (void)::write(fd, chunk.constData(), size_t(std::min<qint64>(chunk.size(), bytes - done)));
    ::close(fd);
    return path;
}

} // namespace copytest
