#include "platform/fs/MacAlias.h"

#include "platform/fs/BigEndian.h"
#include "platform/fs/MacRoman.h"

#include <QList>
#include <set>

using namespace BigEndian;

namespace {

bool fits(const QByteArray& bytes, qint64 at, qint64 length) {
    return at >= 0 && length >= 0 && at + length <= bytes.size();
}

// A path taken from a record stays below its volume: "." and ".." are refused, empty
// names (doubled or leading slashes) dropped.
std::optional<QByteArray> belowVolume(const QList<QByteArray>& names) {
    QList<QByteArray> kept;
    for (const QByteArray& name : names) {
        if (name == "." || name == ".." || name.contains('\0'))
            return std::nullopt;
        if (!name.isEmpty())
            kept.append(name);
    }
    return kept.join('/');
}

QString utf16BigEndian(const QByteArray& bytes, qsizetype at, qsizetype units) {
    QString text;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i)
        text += QChar(read16(bytes, at + 2 * i));
    return text;
}

QString macRoman(const QByteArray& bytes) {
    QString text;
    for (char c : bytes)
        text += MacRoman::toUnicode(uint8_t(c));
    return text;
}

// --- alias records (big-endian)

constexpr qsizetype kV2HeaderSize = 150;
constexpr qsizetype kV3HeaderSize = 58;
constexpr qsizetype kV2VolumeNameAt = 10;
constexpr int kMaxVolumeName = 27;

enum AliasTag : uint16_t {
    kCarbonPath = 2,
    kUnicodeVolumeName = 15,
    kPosixPath = 18,
    kEndOfTags = 0xFFFF,
};

// "Volume:folder:file" to the path below the volume; a "/" inside a Mac name is a ":"
// in its POSIX name.
std::optional<QByteArray> fromCarbonPath(const QByteArray& carbon) {
    QList<QByteArray> names = carbon.split(':');
    if (names.size() < 2)
        return std::nullopt;
    names.removeFirst();
    for (QByteArray& name : names)
        name.replace('/', ':');
    return belowVolume(names);
}

} // namespace

std::optional<MacAliasTarget> MacAlias::fromAliasRecord(const QByteArray& record) {
    if (record.size() < 8)
        return std::nullopt;
    const qsizetype end = std::min<qsizetype>(read16(record, 4), record.size());
    const uint16_t version = read16(record, 6);
    const qsizetype tagsAt = version == 2 ? kV2HeaderSize : version == 3 ? kV3HeaderSize : -1;
    if (tagsAt < 0 || end < tagsAt)
        return std::nullopt;
    QString volumeName;
    if (version == 2) {
        const int length = uint8_t(record[kV2VolumeNameAt]);
        if (length > kMaxVolumeName)
            return std::nullopt;
        volumeName = macRoman(record.mid(kV2VolumeNameAt + 1, length));
    }
    std::optional<QByteArray> posix, carbon;
    for (qsizetype at = tagsAt; at + 4 <= end;) {
        const uint16_t tag = read16(record, at);
        const qsizetype length = read16(record, at + 2);
        if (tag == kEndOfTags)
            break;
        if (at + 4 + length > end)
            return std::nullopt;
        const QByteArray value = record.mid(at + 4, length);
        if (tag == kPosixPath) {
            posix = value;
        } else if (tag == kCarbonPath) {
            carbon = value;
        } else if (tag == kUnicodeVolumeName) {
            if (length < 2 || 2 + 2 * qsizetype(read16(value, 0)) > length)
                return std::nullopt;
            volumeName = utf16BigEndian(value, 2, read16(value, 0));
        }
        at += 4 + length + (length & 1);
    }
    std::optional<QByteArray> path;
    if (posix)
        path = belowVolume(posix->split('/'));
    else if (carbon)
        path = fromCarbonPath(*carbon);
    if (!path || volumeName.isEmpty())
        return std::nullopt;
    return MacAliasTarget{volumeName, *path};
}

namespace {

// --- resource forks (big-endian)

constexpr qsizetype kForkHeaderSize = 16;
constexpr qsizetype kMapMinSize = 30;
constexpr qsizetype kTypeEntrySize = 8;
constexpr qsizetype kRefEntrySize = 12;

} // namespace

std::optional<QByteArray> MacAlias::resource(const QByteArray& fork, const char (&type)[5]) {
    if (fork.size() < kForkHeaderSize)
        return std::nullopt;
    const qint64 dataAt = read32(fork, 0), mapAt = read32(fork, 4);
    const qint64 dataLength = read32(fork, 8), mapLength = read32(fork, 12);
    if (!fits(fork, dataAt, dataLength) || !fits(fork, mapAt, mapLength) || mapLength < kMapMinSize)
        return std::nullopt;
    const qint64 typeListAt = mapAt + read16(fork, mapAt + 24);
    if (!fits(fork, typeListAt, 2))
        return std::nullopt;
    const int types = (read16(fork, typeListAt) + 1) & 0xFFFF; // 0xFFFF: no types
    for (int i = 0; i < types; ++i) {
        const qint64 entry = typeListAt + 2 + i * kTypeEntrySize;
        if (!fits(fork, entry, kTypeEntrySize))
            return std::nullopt;
        if (fork.mid(entry, 4) != QByteArray(type, 4))
            continue;
        const qint64 ref = typeListAt + read16(fork, entry + 6);
        if (read16(fork, entry + 4) == 0xFFFF || !fits(fork, ref, kRefEntrySize))
            return std::nullopt;
        const qint64 at = dataAt + (read32(fork, ref + 4) & 0xFFFFFF);
        if (!fits(fork, at, 4) || at + 4 > dataAt + dataLength)
            return std::nullopt;
        const qint64 length = read32(fork, at);
        if (at + 4 + length > dataAt + dataLength)
            return std::nullopt;
        return fork.mid(at + 4, length);
    }
    return std::nullopt;
}

namespace {

// --- bookmark data (little-endian)

uint32_t le32(const QByteArray& b, qint64 at) {
    auto u = [&](qint64 i) { return uint32_t(uint8_t(b[at + i])); };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

constexpr uint32_t kTocMagic = 0xFFFFFFFE;
constexpr qint64 kTocHeaderSize = 20;
constexpr qint64 kTocEntrySize = 12;
constexpr int kMaxTocs = 64;
constexpr uint32_t kTypeString = 0x0101;
constexpr uint32_t kTypeArray = 0x0601;
constexpr uint32_t kKeyPath = 0x1004;
constexpr uint32_t kKeyVolumePath = 0x2002;
constexpr uint32_t kKeyVolumeName = 0x2010;

class Bookmark {
  public:
    static std::optional<Bookmark> open(const QByteArray& bytes) {
        if (bytes.size() < 16 || !bytes.startsWith("book"))
            return std::nullopt;
        // The alias file's own wrapper ("book", 0, "mark", 0) gives the data's start at 16;
        // bare bookmark data gives it at 12.
        const bool wrapped = bytes.mid(8, 4) == "mark";
        const qint64 headerAt = wrapped ? 16 : 12;
        if (!fits(bytes, headerAt, 4))
            return std::nullopt;
        const qint64 dataAt = le32(bytes, headerAt);
        if (!fits(bytes, dataAt, 4))
            return std::nullopt;
        return Bookmark(bytes, dataAt);
    }

    // The record a key of any table of contents names: offset of its data and its type.
    std::optional<std::pair<qint64, uint32_t>> find(uint32_t key) const {
        std::set<qint64> seen;
        qint64 toc = le32(m_bytes, m_dataAt);
        for (int n = 0; n < kMaxTocs && toc != 0 && seen.insert(toc).second; ++n) {
            const qint64 at = m_dataAt + toc;
            if (!fits(m_bytes, at, kTocHeaderSize) || le32(m_bytes, at + 4) != kTocMagic)
                return std::nullopt;
            const qint64 count = le32(m_bytes, at + 16);
            if (!fits(m_bytes, at + kTocHeaderSize, count * kTocEntrySize))
                return std::nullopt;
            for (qint64 i = 0; i < count; ++i) {
                const qint64 entry = at + kTocHeaderSize + i * kTocEntrySize;
                if (le32(m_bytes, entry) == key)
                    return record(le32(m_bytes, entry + 4));
            }
            toc = le32(m_bytes, at + 12);
        }
        return std::nullopt;
    }

    std::optional<QByteArray> string(uint32_t key) const {
        const auto found = find(key);
        return found ? stringAt(*found) : std::nullopt;
    }

    std::optional<QList<QByteArray>> strings(uint32_t key) const {
        const auto found = find(key);
        if (!found || found->second != kTypeArray)
            return std::nullopt;
        const qint64 length = le32(m_bytes, found->first - 8);
        QList<QByteArray> items;
        for (qint64 i = 0; i + 4 <= length; i += 4) {
            const auto item = record(le32(m_bytes, found->first + i));
            const auto text = item ? stringAt(*item) : std::nullopt;
            if (!text)
                return std::nullopt;
            items.append(*text);
        }
        return items;
    }

  private:
    Bookmark(const QByteArray& bytes, qint64 dataAt) : m_bytes(bytes), m_dataAt(dataAt) {}

    std::optional<std::pair<qint64, uint32_t>> record(uint32_t offset) const {
        const qint64 at = m_dataAt + offset;
        if (!fits(m_bytes, at, 8) || !fits(m_bytes, at + 8, le32(m_bytes, at)))
            return std::nullopt;
        return std::make_pair(at + 8, le32(m_bytes, at + 4));
    }

    std::optional<QByteArray> stringAt(const std::pair<qint64, uint32_t>& r) const {
        if (r.second != kTypeString)
            return std::nullopt;
        return m_bytes.mid(r.first, le32(m_bytes, r.first - 8));
    }

    const QByteArray& m_bytes;
    qint64 m_dataAt;
};

} // namespace

std::optional<MacAliasTarget> MacAlias::fromBookmark(const QByteArray& dataFork) {
    const auto bookmark = Bookmark::open(dataFork);
    if (!bookmark)
        return std::nullopt;
    const auto names = bookmark->strings(kKeyPath);
    const auto volumeName = bookmark->string(kKeyVolumeName);
    if (!names || !volumeName || volumeName->isEmpty())
        return std::nullopt;
    // The path starts at the Mac's own root; the volume's mount point ("/" for the
    // start-up disk, "/Volumes/Name" for others) is cut off its front.
    const QByteArray volumePath = bookmark->string(kKeyVolumePath).value_or("/");
    QList<QByteArray> inside = *names;
    for (const QByteArray& name : volumePath.split('/')) {
        if (name.isEmpty())
            continue;
        if (inside.isEmpty() || inside.front() != name)
            return std::nullopt;
        inside.removeFirst();
    }
    const auto path = belowVolume(inside);
    if (!path)
        return std::nullopt;
    return MacAliasTarget{QString::fromUtf8(*volumeName), *path};
}
