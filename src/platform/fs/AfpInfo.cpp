#include "platform/fs/AfpInfo.h"

#include <cstring>

namespace AfpInfo {

static bool readable(const QByteArray& bytes)
{
    static const QByteArray kSignature("AFP\0", 4);
    return (bytes.size() == kRecordSize || bytes.size() == kStoredSize) &&
           bytes.startsWith(kSignature);
}

std::optional<FinderInfo> read(const QByteArray& bytes)
{
    if (!readable(bytes))
        return std::nullopt;
    return FinderInfo::fromBytes(bytes.mid(kFinderInfoAt, 32));
}

std::optional<QByteArray> withFinderInfo(const QByteArray& bytes, const FinderInfo& info)
{
    if (!readable(bytes))
        return std::nullopt;
    QByteArray out = bytes;
    std::memcpy(out.data() + kFinderInfoAt, info.bytes.data(), 32);
    return out;
}

} // namespace AfpInfo
