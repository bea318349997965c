#pragma once

#include "platform/fs/AppleDouble.h"
#include "platform/fs/FinderInfo.h"

#include <QByteArray>
#include <optional>
#include <vector>

// The parts of a "._NAME" companion beyond its Finder information: the resource fork
// and the "ATTR" block where macOS keeps an item's other extended attributes. Names are
// the macOS ones, without Linux's "user." prefix.
struct NamedAttribute {
    QByteArray name;
    QByteArray value;
};

namespace AppleDoubleAttributes {

// Everything a companion carries, as separate parts.
struct Contents {
    FinderInfo info;
    QByteArray resourceFork; // empty for none (the blank fork macOS pads with counts as none)
    std::vector<NamedAttribute> attributes;
};

// No value when the ATTR block or the fork entry does not hold together.
std::optional<Contents> read(const AppleDouble& companion);

// A companion in the layout macOS writes: Finder information at 50 with the ATTR block
// after it (padded to the usual 4096-byte file when it fits), the resource fork last.
// No value when the attributes are more than the block can hold.
std::optional<QByteArray> compose(const Contents& contents);

} // namespace AppleDoubleAttributes
