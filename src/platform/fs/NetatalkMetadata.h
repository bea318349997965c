#pragma once

#include "platform/fs/FinderInfo.h"

#include <QByteArray>
#include <optional>

// netatalk's "user.org.netatalk.Metadata" attribute: an AppleDouble header of exactly
// 402 bytes with the Finder information at a fixed offset. The program reads it and
// writes into one that exists, but never creates one: its other fields are netatalk's.
namespace NetatalkMetadata {

constexpr const char* kAttributeName = "user.org.netatalk.Metadata";
constexpr int kSize = 402;
constexpr int kFinderInfoAt = 122;

// No value when the bytes are not such a header.
std::optional<FinderInfo> read(const QByteArray& bytes);
// The same 402 bytes with only the Finder information replaced; no value when unreadable.
std::optional<QByteArray> withFinderInfo(const QByteArray& bytes, const FinderInfo& info);

} // namespace NetatalkMetadata
