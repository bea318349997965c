#pragma once

#include "platform/fs/FinderInfo.h"

#include <QByteArray>
#include <optional>

// Samba's AFP_AfpInfo stream as its vfs_fruit module stores it in a user attribute: the
// 60-byte AfpInfo record (signature "AFP\0", Finder information at 16) followed by one
// zero byte. Read, and written into when present; never created.
namespace AfpInfo {

constexpr const char* kAttributeName = "user.DosStream.AFP_AfpInfo:$DATA";
constexpr int kRecordSize = 60;
constexpr int kStoredSize = 61;
constexpr int kFinderInfoAt = 16;

// No value when the bytes are not an AfpInfo record (a stored one may lack the zero).
std::optional<FinderInfo> read(const QByteArray& bytes);
// The same bytes with only the Finder information replaced; no value when unreadable.
std::optional<QByteArray> withFinderInfo(const QByteArray& bytes, const FinderInfo& info);

} // namespace AfpInfo
