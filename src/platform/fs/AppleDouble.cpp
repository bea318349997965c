#include "platform/fs/AppleDouble.h"

#include "platform/fs/BigEndian.h"

#include <algorithm>
#include <cstring>

using namespace BigEndian;

namespace {

// Where, inside the Finder information entry, macOS keeps its block of other extended
// attributes: after the 32 bytes and two bytes of padding.
constexpr int kAttrHeaderAt = 34;
constexpr int kAttrHeaderSize = 36;
constexpr int kAttrCountAt = kAttrHeaderAt + 34;
constexpr int kMacFinderEntryLength = 3760;
constexpr int kBlankForkLength = 286;
constexpr int kFillerSize = 16;

const char kFiller[] = "Mac OS X        ";
const char kBlankForkText[] = "This resource fork intentionally left blank   ";

// The 286-byte resource fork macOS writes to pad companions of files without one: a
// resource map that lists no resources.
QByteArray blankResourceFork()
{
    QByteArray fork(kBlankForkLength, '\0');
    const uint32_t header[4] = {256, 256, 0, 30};
    for (int i = 0; i < 4; ++i) {
        write32(fork, 4 * i, header[i]);
        write32(fork, 256 + 4 * i, header[i]);
    }
    std::memcpy(fork.data() + 16, kBlankForkText, sizeof kBlankForkText - 1);
    write16(fork, 256 + 24, 30); // type list offset
    write16(fork, 256 + 26, 30); // name list offset
    write16(fork, 256 + 28, 0xFFFF); // no types
    return fork;
}

bool entriesHoldTogether(std::vector<AppleDouble::Entry> entries, qsizetype tableEnd,
                         qsizetype fileSize)
{
    for (const auto& e : entries) {
        if (qint64(e.offset) + e.length > fileSize)
            return false;
        if (e.length > 0 && e.offset < tableEnd)
            return false;
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.id < b.id; });
    for (size_t i = 1; i < entries.size(); ++i)
        if (entries[i].id == entries[i - 1].id)
            return false;
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.offset < b.offset; });
    qint64 end = 0;
    for (const auto& e : entries) {
        if (e.length == 0)
            continue;
        if (e.offset < end)
            return false;
        end = qint64(e.offset) + e.length;
    }
    return true;
}

} // namespace

AppleDouble::AppleDouble(QByteArray bytes, std::vector<Entry> entries)
    : m_bytes(std::move(bytes)), m_entries(std::move(entries))
{
}

std::optional<AppleDouble> AppleDouble::parse(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderSize || read32(bytes, 0) != kMagic || read32(bytes, 4) != kVersion)
        return std::nullopt;
    const int count = read16(bytes, 24);
    const qsizetype tableEnd = kHeaderSize + qsizetype(count) * kEntrySize;
    if (tableEnd > bytes.size())
        return std::nullopt;
    std::vector<Entry> entries;
    entries.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const qsizetype at = kHeaderSize + qsizetype(i) * kEntrySize;
        entries.push_back({read32(bytes, at), read32(bytes, at + 4), read32(bytes, at + 8)});
    }
    if (!entriesHoldTogether(entries, tableEnd, bytes.size()))
        return std::nullopt;
    AppleDouble ad(bytes, std::move(entries));
    const Entry* finder = ad.find(kFinderInfoId);
    if (finder && finder->length < 32)
        return std::nullopt;
    return ad;
}

const AppleDouble::Entry* AppleDouble::find(uint32_t id) const
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [id](const Entry& e) { return e.id == id; });
    return it == m_entries.end() ? nullptr : &*it;
}

qint64 AppleDouble::finderInfoOffset() const
{
    const Entry* e = find(kFinderInfoId);
    return e ? qint64(e->offset) : -1;
}

FinderInfo AppleDouble::finderInfo() const
{
    const Entry* e = find(kFinderInfoId);
    return e ? FinderInfo::fromBytes(m_bytes.mid(e->offset, 32)) : FinderInfo{};
}

bool AppleDouble::resourceForkEmpty(const Entry& fork) const
{
    return fork.length == 0 || m_bytes.mid(fork.offset, fork.length) == blankResourceFork();
}

qint64 AppleDouble::resourceForkLength() const
{
    const Entry* fork = find(kResourceForkId);
    return !fork || resourceForkEmpty(*fork) ? 0 : qint64(fork->length);
}

QByteArray AppleDouble::resourceFork() const
{
    const Entry* fork = find(kResourceForkId);
    return fork ? m_bytes.mid(fork->offset, fork->length) : QByteArray();
}

// An "ATTR" block with no attributes, or zeros, is empty; anything else after the 32
// bytes is kept as something that must not be thrown away.
bool AppleDouble::attributesEmpty(const Entry& finder) const
{
    const qsizetype extraAt = qsizetype(finder.offset) + 32;
    const QByteArray extra = m_bytes.mid(extraAt, finder.length - 32);
    if (std::all_of(extra.begin(), extra.end(), [](char c) { return c == 0; }))
        return true;
    if (finder.length < kAttrHeaderAt + kAttrHeaderSize)
        return false;
    const qsizetype header = qsizetype(finder.offset) + kAttrHeaderAt;
    return m_bytes.mid(header, 4) == "ATTR" && read16(m_bytes, finder.offset + kAttrCountAt) == 0;
}

bool AppleDouble::holdsNothing() const
{
    return holdsNothingWith(finderInfo());
}

bool AppleDouble::holdsNothingWith(const FinderInfo& info) const
{
    if (!info.isZero())
        return false;
    for (const Entry& e : m_entries) {
        if (e.id == kFinderInfoId) {
            if (!attributesEmpty(e))
                return false;
        } else if (e.id == kResourceForkId) {
            if (!resourceForkEmpty(e))
                return false;
        } else if (e.length > 0) {
            return false;
        }
    }
    return true;
}

QByteArray AppleDouble::withFinderInfo(const FinderInfo& info) const
{
    const Entry* e = find(kFinderInfoId);
    if (!e)
        return rebuiltWith(info);
    QByteArray out = m_bytes;
    std::memcpy(out.data() + e->offset, info.bytes.data(), 32);
    return out;
}

// Lays the file out anew with a Finder information entry first; the other entries keep
// their bytes and order, the resource fork going last as macOS has it.
QByteArray AppleDouble::rebuiltWith(const FinderInfo& info) const
{
    std::vector<Entry> others = m_entries;
    std::stable_sort(others.begin(), others.end(), [](const Entry& a, const Entry& b) {
        const bool aFork = a.id == kResourceForkId, bFork = b.id == kResourceForkId;
        return aFork != bFork ? bFork : a.offset < b.offset;
    });
    const qint64 count = qint64(others.size()) + 1;
    qint64 total = kHeaderSize + count * kEntrySize + 32;
    for (const Entry& e : others)
        total += e.length;
    // The count is 16 bits and offsets 32: a table that overflowed would read back as a
    // file with fewer entries, or none, and lose the rest.
    if (count > 0xFFFF || total > qint64(UINT32_MAX))
        return {};
    QByteArray out = m_bytes.left(kHeaderSize);
    write16(out, 24, uint16_t(count));
    qint64 at = kHeaderSize + qint64(count) * kEntrySize;
    QByteArray table, data;
    auto add = [&](uint32_t id, const QByteArray& payload) {
        QByteArray entry(kEntrySize, '\0');
        write32(entry, 0, id);
        write32(entry, 4, uint32_t(at));
        write32(entry, 8, uint32_t(payload.size()));
        table += entry;
        data += payload;
        at += payload.size();
    };
    add(kFinderInfoId, info.toBytes());
    for (const Entry& e : others)
        add(e.id, m_bytes.mid(e.offset, e.length));
    return out + table + data;
}

QByteArray AppleDouble::fresh(const FinderInfo& info)
{
    constexpr int kFinderAt = kHeaderSize + 2 * kEntrySize;
    constexpr int kForkAt = kFinderAt + kMacFinderEntryLength;
    QByteArray out(kMacFileSize, '\0');
    write32(out, 0, kMagic);
    write32(out, 4, kVersion);
    std::memcpy(out.data() + 8, kFiller, kFillerSize);
    write16(out, 24, 2);
    const uint32_t table[6] = {kFinderInfoId, kFinderAt, kMacFinderEntryLength,
                               kResourceForkId, kForkAt, kBlankForkLength};
    for (int i = 0; i < 6; ++i)
        write32(out, kHeaderSize + 4 * i, table[i]);
    std::memcpy(out.data() + kFinderAt, info.bytes.data(), 32);
    const int attr = kFinderAt + kAttrHeaderAt;
    std::memcpy(out.data() + attr, "ATTR", 4);
    write32(out, attr + 8, kForkAt);                   // total size of the block
    write32(out, attr + 12, attr + kAttrHeaderSize);   // where attribute data would start
    std::memcpy(out.data() + kForkAt, blankResourceFork().constData(), kBlankForkLength);
    return out;
}
