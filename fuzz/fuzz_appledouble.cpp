#include "platform/fs/AppleDouble.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Whatever bytes stand in a "._X" file: parsing and every write-back path on what parsed
// must neither crash nor produce a file that no longer parses.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto ad = AppleDouble::parse(bytes);
    if (!ad)
        return 0;
    (void)ad->resourceForkLength();
    (void)ad->holdsNothing();
    FinderInfo info = ad->finderInfo();
    info.setFlags(info.flags() ^ FinderInfo::kIsInvisible);
    for (const FinderInfo& next : {info, FinderInfo{}}) {
        const QByteArray rebuilt = ad->withFinderInfo(next);
        if (rebuilt.isEmpty()) {
            // Refused as unrepresentable: only a full entry table gets there.
            if (ad->hasFinderInfo() || ad->entries().size() < 0xFFFF)
                abort();
            continue;
        }
        auto written = AppleDouble::parse(rebuilt);
        if (!written || written->finderInfo().bytes != next.bytes)
            abort();
        // Nothing the original held may go missing in the rebuild.
        if (written->entries().size() < ad->entries().size() ||
            written->holdsNothing() != ad->holdsNothingWith(next))
            abort();
    }
    return 0;
}
