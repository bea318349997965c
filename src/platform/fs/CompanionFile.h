#pragma once

#include "platform/Result.h"

#include <QByteArray>

// File access for "._NAME" companions. A companion is only ever a regular file: a link or
// anything else standing under that name is not followed, read or replaced.
namespace CompanionFile {

// Larger companions are not read at all; they count as unreadable and are left alone.
constexpr qint64 kMaxSize = 64 * 1024 * 1024;

Result<QByteArray> read(const QByteArray& path);
// Overwrites bytes in place, so that nothing else in the file (nor its inode) changes.
Status patch(const QByteArray& path, qint64 offset, const QByteArray& bytes);
// Writes a whole new content under a temporary name and renames it into place, keeping
// the old file's mode, owner and attributes; a crash leaves the old file or the new one,
// never half.
Status replace(const QByteArray& path, const QByteArray& bytes);
Status create(const QByteArray& path, const QByteArray& bytes); // never over an existing file
Status remove(const QByteArray& path);

bool isMissing(const SysError& e);

} // namespace CompanionFile
