#include "platform/fs/AfpInfo.h"


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
    return FinderInfo::readAt(bytes, kFinderInfoAt);
}

std::optional<QByteArray> withFinderInfo(const QByteArray& bytes, const FinderInfo& info)
{
    if (!readable(bytes))
        return std::nullopt;
    return info.writtenInto(bytes, kFinderInfoAt);
}

} // namespace AfpInfo
