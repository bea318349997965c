#include "platform/fs/ErrorText.h"

#include <cerrno>
#include <cstring>

QByteArray ErrorText::reason(const SysError& e) {
    switch (e.code) {
    case EROFS:
        return "read-only file system";
    case EACCES:
    case EPERM:
        return "permission denied";
    case EBADMSG:
        return "Finder information unreadable (damaged container)";
    case ENAMETOOLONG:
        return "name too long";
    case ENOENT:
    case ENOTDIR:
        return "no such item";
    case ENOSPC:
    case EDQUOT:
        return "no space left";
    case EOVERFLOW:
        return "Finder information cannot be added (companion file full)";
    default:
        return QByteArray("refused (") + std::strerror(e.code) + ")";
    }
}
