#pragma once

#include "platform/Result.h"

#include <QByteArray>

// The few system-call wrappers that several parts of the file layer share.
namespace PosixCalls {

bool present(const QByteArray& path); // lstat succeeds
// Renames without ever replacing what stands at the target. Where the file system has no
// RENAME_NOREPLACE, check and rename: a narrow race, accepted.
Status renameNoReplace(const QByteArray& from, const QByteArray& to);
// Writes every byte, going on after interruptions and short writes.
Status writeAll(int fd, const QByteArray& bytes);
// Reads from fd to its end.
Result<QByteArray> readAll(int fd);

} // namespace PosixCalls
