#include "platform/fs/NetatalkMetadata.h"

#include "platform/fs/AppleDouble.h"
#include "platform/fs/BigEndian.h"


namespace NetatalkMetadata {

static bool readable(const QByteArray& bytes)
{
    return bytes.size() == kSize && BigEndian::read32(bytes, 0) == AppleDouble::kMagic &&
           BigEndian::read32(bytes, 4) == AppleDouble::kVersion;
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

} // namespace NetatalkMetadata
