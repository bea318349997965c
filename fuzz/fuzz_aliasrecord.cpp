#include "platform/fs/MacAlias.h"

#include <QList>
#include <cstddef>
#include <cstdint>

// Whatever bytes stand in an alias file's resource fork, or in an alias record itself:
// a target or none, never a crash or a read past the end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto record = MacAlias::resource(bytes, "alis"))
        (void)MacAlias::fromAliasRecord(*record);
    if (const auto target = MacAlias::fromAliasRecord(bytes)) {
        if (target->path.startsWith('/') || target->path.split('/').contains(".."))
            __builtin_trap(); // a target always stays below its volume
    }
    return 0;
}
