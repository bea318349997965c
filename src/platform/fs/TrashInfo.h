#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <ctime>
#include <functional>

// The files a freedesktop.org trash keeps about its entries: info/NAME.trashinfo and the
// optional directorysizes cache.
namespace TrashInfo {

// Path= is escaped as URLs escape paths: every byte but the unreserved characters
// (A-Z a-z 0-9 - . _ ~) and "/" becomes %XX, so spaces, "%" and names that are not
// UTF-8 survive. Decoding takes malformed escapes as they stand.
QByteArray percentEncode(const QByteArray& bytes);
QByteArray percentDecode(const QByteArray& text);

// The info file's text for an item that stood at originalPath: Path= absolute when
// topdir is empty (the home trash), else relative to topdir; DeletionDate= local time.
QByteArray text(const QByteArray& originalPath, const QByteArray& topdir, std::time_t when);

// Creates the info file with O_EXCL; a failure after creating it removes it again.
Status create(const QByteArray& path, const QByteArray& text);

// Rewrites trashRoot/directorysizes keeping the lines whose folder name keep() accepts
// (lines it cannot read are kept as they are). Nothing happens when there is no cache:
// it is never created here.
void keepDirectorySizes(const QByteArray& trashRoot,
                        const std::function<bool(const QByteArray& name)>& keep);

} // namespace TrashInfo
