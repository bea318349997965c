#pragma once

#include "platform/fs/FinderInfo.h"

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

// An AppleDouble version 2 file, the "._NAME" companion macOS writes on volumes that
// cannot hold its metadata. Entries are found by id wherever they stand. Anything that
// does not hold together (bounds, overlaps, duplicates, a short Finder information
// entry) does not parse at all: such a file is never read from or written to.
class AppleDouble {
public:
    struct Entry {
        uint32_t id = 0;
        uint32_t offset = 0;
        uint32_t length = 0;
    };

    static constexpr uint32_t kMagic = 0x00051607;
    static constexpr uint32_t kVersion = 0x00020000;
    static constexpr uint32_t kResourceForkId = 2;
    static constexpr uint32_t kFinderInfoId = 9;
    static constexpr int kHeaderSize = 26; // magic, version, filler, entry count
    static constexpr int kEntrySize = 12;
    static constexpr int kMacFileSize = 4096;

    static std::optional<AppleDouble> parse(const QByteArray& bytes);
    // A new companion in the layout macOS writes: Finder information at 50 followed by
    // an empty "ATTR" block, then a blank resource fork, 4096 bytes in all.
    static QByteArray fresh(const FinderInfo& info);

    const QByteArray& bytes() const { return m_bytes; }
    const std::vector<Entry>& entries() const { return m_entries; }
    bool hasFinderInfo() const { return find(kFinderInfoId) != nullptr; }
    qint64 finderInfoOffset() const; // -1 without a Finder information entry
    FinderInfo finderInfo() const; // zero without a Finder information entry
    qint64 resourceForkLength() const; // 0 for none and for the blank fork macOS pads with
    QByteArray resourceFork() const;   // the fork's bytes, empty for none
    // True when nothing would be lost by removing the file: zero Finder information, no
    // resources, no other attributes or entries.
    bool holdsNothing() const;
    // The same, judged as if the Finder information were already info.
    bool holdsNothingWith(const FinderInfo& info) const;
    // The whole file with the Finder information replaced: only its 32 bytes change when
    // the entry exists; otherwise the file is laid out anew with the entry first. Empty
    // when the new layout cannot be written down (a full entry table, offsets past 4 GB).
    QByteArray withFinderInfo(const FinderInfo& info) const;

private:
    AppleDouble(QByteArray bytes, std::vector<Entry> entries);
    const Entry* find(uint32_t id) const;
    bool attributesEmpty(const Entry& finder) const;
    bool resourceForkEmpty(const Entry& fork) const;
    QByteArray rebuiltWith(const FinderInfo& info) const;

    QByteArray m_bytes;
    std::vector<Entry> m_entries;
};
