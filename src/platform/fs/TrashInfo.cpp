#include "platform/fs/TrashInfo.h"

#include "platform/fs/PosixCalls.h"
#include "platform/fs/UniqueFd.h"

#include <QList>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using PosixCalls::writeAll;

bool isUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

Result<QByteArray> readSmallFile(const QByteArray& path) {
    const UniqueFd fd(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid())
        return Result<QByteArray>::fail("open");
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Result<QByteArray>::fail("open", EINVAL);
    return PosixCalls::readAll(fd.get());
}

} // namespace

namespace TrashInfo {

QByteArray percentEncode(const QByteArray& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        if (isUnreserved(c) || c == '/') {
            out += c;
            continue;
        }
        const auto u = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[u >> 4];
        out += kHex[u & 0xF];
    }
    return out;
}

QByteArray percentDecode(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out;
}

QByteArray text(const QByteArray& originalPath, const QByteArray& topdir, std::time_t when) {
    QByteArray path = originalPath;
    if (!topdir.isEmpty()) {
        const QByteArray prefix = topdir.endsWith('/') ? topdir : topdir + '/';
        if (originalPath.startsWith(prefix))
            path = originalPath.mid(prefix.size());
    }
    struct tm local;
    char date[32] = "";
    if (::localtime_r(&when, &local))
        ::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + percentEncode(path) + "\nDeletionDate=" + date + "\n";
}

Status create(const QByteArray& path, const QByteArray& text) {
    UniqueFd fd(
        ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid())
        return Status::fail("create");
    Status written = writeAll(fd.get(), text);
    if (written && ::close(fd.release()) != 0)
        written = Status::fail("close");
    if (!written)
        ::unlink(path.constData());
    return written;
}

void keepDirectorySizes(const QByteArray& trashRoot,
                        const std::function<bool(const QByteArray& name)>& keep) {
    const QByteArray path = trashRoot + "/directorysizes";
    const Result<QByteArray> old = readSmallFile(path);
    if (!old)
        return;
    // Each line: size, mtime of the info file, the folder's name percent-encoded.
    QByteArray kept;
    bool changed = false;
    const QList<QByteArray> lines = old.value().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty() && i == lines.size() - 1)
            break;
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3 && !fields[2].isEmpty() && !keep(percentDecode(fields[2]))) {
            changed = true;
            continue;
        }
        kept += line + '\n';
    }
    if (!changed)
        return;
    // A reader must never see half a cache: write it whole under another name first.
    const QByteArray temporary = path + ".cloakswitch-" + QByteArray::number(::getpid());
    ::unlink(temporary.constData());
    if (!create(temporary, kept))
        return;
    if (::rename(temporary.constData(), path.constData()) != 0)
        ::unlink(temporary.constData());
}

} // namespace TrashInfo
