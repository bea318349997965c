#include "platform/fs/MacAlias.h"

#include <QList>
#include <cstddef>
#include <cstdint>

// Whatever bytes stand in an alias file's data fork: a target or none, never a crash,
// a read past the end or a path that leaves its volume.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto target = MacAlias::fromBookmark(bytes)) {
        if (target->path.startsWith('/') || target->path.split('/').contains(".."))
            __builtin_trap();
    }
    return 0;
}
