#include "platform/fs/AfpInfo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto info = AfpInfo::read(bytes);
    if (!info)
        return 0;
    info->setFlags(info->flags() ^ FinderInfo::kIsInvisible);
    auto written = AfpInfo::withFinderInfo(bytes, *info);
    if (!written || written->size() != bytes.size() ||
        AfpInfo::read(*written)->bytes != info->bytes)
        abort();
    return 0;
}
