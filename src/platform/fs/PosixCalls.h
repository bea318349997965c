#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <vector>

// The few system-call wrappers that several parts of the file layer share.
namespace PosixCalls {

bool present(const QByteArray& path); // lstat succeeds
// Renames without ever replacing what stands at the target. Where the file system has no
// RENAME_NOREPLACE, check and rename: a narrow race, accepted.
Status renameNoReplace(const QByteArray& from, const QByteArray& to);
// Writes every byte, going on after interruptions and short writes.
Status writeAll(int fd, const QByteArray& bytes);
// The names in an open folder, without "." and "..", in the order the folder gives them.
// The folder is opened afresh, so that the descriptor's own position stays where it was,
// and without touching its access time where the caller may ask for that.
Result<std::vector<QByteArray>> entriesOf(int folderFd);
// Reads from fd to its end.
Result<QByteArray> readAll(int fd);

} // namespace PosixCalls
