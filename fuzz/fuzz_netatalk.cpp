#include "platform/fs/NetatalkMetadata.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto info = NetatalkMetadata::read(bytes);
    if (!info)
        return 0;
    info->setType("TEXT");
    auto written = NetatalkMetadata::withFinderInfo(bytes, *info);
    if (!written || written->size() != bytes.size() ||
        NetatalkMetadata::read(*written)->bytes != info->bytes)
        abort();
    return 0;
}
