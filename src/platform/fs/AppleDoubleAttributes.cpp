#include "platform/fs/AppleDoubleAttributes.h"

#include "platform/fs/BigEndian.h"

#include <cstring>

using namespace BigEndian;

namespace {

// Offsets inside the Finder information entry, as macOS lays out its attribute header.
constexpr int kAttrHeaderAt = 34;
constexpr int kAttrHeaderSize = 36;
constexpr int kEntryFixedSize = 11; // offset, length, flags, name length
constexpr int kMaxNameLength = 128;
constexpr int kMacFinderEntryLength = 3760;
// macOS refuses ATTR blocks larger than this; so do we, either way.
constexpr qint64 kMaxBlock = 64 * 1024 * 1024;

const char kFiller[] = "Mac OS X        ";

qint64 align4(qint64 n) {
    return (n + 3) & ~qint64(3);
}

const AppleDouble::Entry* entryOf(const AppleDouble& ad, uint32_t id) {
    for (const auto& e : ad.entries())
        if (e.id == id)
            return &e;
    return nullptr;
}

// The attributes of the block that starts at the Finder information entry; offsets in
// the block are offsets into the whole file, which macOS bounds by the entry.
std::optional<std::vector<NamedAttribute>> readBlock(const QByteArray& bytes,
                                                     const AppleDouble::Entry& finder) {
    std::vector<NamedAttribute> out;
    const qint64 start = finder.offset;
    const qint64 end = start + finder.length;
    if (finder.length < kAttrHeaderAt + kAttrHeaderSize ||
        bytes.mid(start + kAttrHeaderAt, 4) != "ATTR")
        return out; // no block: nothing beyond the Finder information
    const int count = read16(bytes, start + kAttrHeaderAt + 34);
    qint64 at = start + kAttrHeaderAt + kAttrHeaderSize;
    for (int i = 0; i < count; ++i) {
        if (at + kEntryFixedSize > end)
            return std::nullopt;
        const qint64 offset = read32(bytes, at);
        const qint64 length = read32(bytes, at + 4);
        const int nameLength = uint8_t(bytes[at + 10]);
        if (nameLength < 1 || at + kEntryFixedSize + nameLength > end)
            return std::nullopt;
        if (offset < start || offset + length > end)
            return std::nullopt;
        QByteArray name = bytes.mid(at + kEntryFixedSize, nameLength);
        if (name.endsWith('\0'))
            name.chop(1);
        if (name.isEmpty() || name.contains('\0'))
            return std::nullopt;
        out.push_back({name, bytes.mid(offset, length)});
        at = align4(at + kEntryFixedSize + nameLength);
    }
    return out;
}

// Entries are aligned to four bytes of the file, as macOS aligns them.
QByteArray attributeBlock(const std::vector<NamedAttribute>& attributes, qint64 blockAt,
                          qint64 minimumLength, bool& fits) {
    const qint64 tableAt = blockAt + kAttrHeaderAt + kAttrHeaderSize;
    qint64 tableEnd = tableAt;
    for (const auto& a : attributes) {
        if (a.name.size() + 1 > kMaxNameLength)
            fits = false;
        tableEnd = align4(tableEnd + kEntryFixedSize + a.name.size() + 1);
    }
    const qint64 dataAt = tableEnd;
    qint64 dataLength = 0;
    for (const auto& a : attributes)
        dataLength += a.value.size();
    const qint64 length = std::max(minimumLength, dataAt + dataLength - blockAt);
    if (length > kMaxBlock || !fits) {
        fits = false;
        return {};
    }
    QByteArray block(qsizetype(length), '\0');
    const int header = kAttrHeaderAt;
    std::memcpy(block.data() + header, "ATTR", 4);
    write32(block, header + 8, uint32_t(blockAt + length)); // end of the block in the file
    write32(block, header + 12, uint32_t(dataAt));
    write32(block, header + 16, uint32_t(dataLength));
    write16(block, header + 34, uint16_t(attributes.size()));
    qint64 entryAt = tableAt;
    qint64 valueAt = dataAt;
    for (const auto& a : attributes) {
        const qint64 e = entryAt - blockAt;
        write32(block, e, uint32_t(valueAt));
        write32(block, e + 4, uint32_t(a.value.size()));
        block[e + 10] = char(a.name.size() + 1);
        std::memcpy(block.data() + e + kEntryFixedSize, a.name.constData(), size_t(a.name.size()));
        std::memcpy(block.data() + (valueAt - blockAt), a.value.constData(),
                    size_t(a.value.size()));
        entryAt = align4(entryAt + kEntryFixedSize + a.name.size() + 1);
        valueAt += a.value.size();
    }
    return block;
}

} // namespace

namespace AppleDoubleAttributes {

std::optional<Contents> read(const AppleDouble& companion) {
    Contents out;
    out.info = companion.finderInfo();
    if (const auto* finder = entryOf(companion, AppleDouble::kFinderInfoId)) {
        auto attributes = readBlock(companion.bytes(), *finder);
        if (!attributes)
            return std::nullopt;
        out.attributes = std::move(*attributes);
    }
    if (const auto* fork = entryOf(companion, AppleDouble::kResourceForkId);
        fork && companion.resourceForkLength() > 0)
        out.resourceFork = companion.bytes().mid(fork->offset, fork->length);
    return out;
}

std::optional<QByteArray> compose(const Contents& contents) {
    constexpr qint64 kFinderAt = AppleDouble::kHeaderSize + 2 * AppleDouble::kEntrySize;
    bool fits = true;
    QByteArray finder = attributeBlock(contents.attributes, kFinderAt, kMacFinderEntryLength, fits);
    if (!fits)
        return std::nullopt;
    std::memcpy(finder.data(), contents.info.bytes.data(), 32);
    // Without a fork of its own the file gets the blank one macOS pads with, which
    // AppleDouble::fresh() already knows how to make.
    const QByteArray blank = [] {
        const QByteArray fresh = AppleDouble::fresh(FinderInfo{});
        const auto parsed = AppleDouble::parse(fresh);
        const auto* fork = entryOf(*parsed, AppleDouble::kResourceForkId);
        return fresh.mid(fork->offset, fork->length);
    }();
    const QByteArray& fork = contents.resourceFork.isEmpty() ? blank : contents.resourceFork;
    const qint64 forkAt = kFinderAt + finder.size();

    QByteArray out(AppleDouble::kHeaderSize + 2 * AppleDouble::kEntrySize, '\0');
    write32(out, 0, AppleDouble::kMagic);
    write32(out, 4, AppleDouble::kVersion);
    std::memcpy(out.data() + 8, kFiller, 16);
    write16(out, 24, 2);
    const uint32_t table[6] = {AppleDouble::kFinderInfoId, uint32_t(kFinderAt),
                               uint32_t(finder.size()),    AppleDouble::kResourceForkId,
                               uint32_t(forkAt),           uint32_t(fork.size())};
    for (int i = 0; i < 6; ++i)
        write32(out, AppleDouble::kHeaderSize + 4 * i, table[i]);
    return out + finder + fork;
}

} // namespace AppleDoubleAttributes
