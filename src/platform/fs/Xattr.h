#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QList>

// Thin wrappers over the l*xattr calls: they act on the named item itself and never follow
// a symbolic link, so a link's own attributes are what they see.
namespace Xattr {

Result<QByteArray> get(const QByteArray& path, const char* name);
// The value's size without reading it (resource forks can be large).
Result<qint64> size(const QByteArray& path, const char* name);
Status set(const QByteArray& path, const char* name, const QByteArray& value);
Status set(int fd, const char* name, const QByteArray& value);
Status remove(const QByteArray& path, const char* name);
Result<QList<QByteArray>> list(const QByteArray& path);

// How a failed call is to be understood, without letting errno out of this layer.
bool isAbsent(const SysError& e);      // the attribute is not there
bool isUnsupported(const SysError& e); // the item cannot hold user attributes at all
// The same for an item of the given kind (S_IFMT bits): EPERM means "cannot hold" only for
// links, FIFOs and devices; on a file or folder it is a refusal (immutable, append-only).
bool isUnsupported(const SysError& e, unsigned kind);
bool isRefusal(const SysError& e);     // no permission, or a read-only file system
bool isMissingItem(const SysError& e); // the item itself is gone

} // namespace Xattr
