#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// Companions written out byte by byte from the documented layouts, independent of the
// code under test.
namespace AppleDoubleBytes {

inline void put32(QByteArray& b, int at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(uint8_t(v >> (24 - 8 * i)));
}

inline void put16(QByteArray& b, int at, uint16_t v)
{
    b[at] = char(uint8_t(v >> 8));
    b[at + 1] = char(uint8_t(v));
}

struct RawEntry {
    uint32_t id;
    uint32_t offset;
    uint32_t length;
};

// Header, filler "Mac OS X" and the entry table; the file is `size` bytes of zeros
// beyond that until the caller fills the entries' data.
inline QByteArray header(const std::vector<RawEntry>& entries, int size)
{
    QByteArray b(size, '\0');
    put32(b, 0, 0x00051607);
    put32(b, 4, 0x00020000);
    b.replace(8, 16, "Mac OS X        ");
    put16(b, 24, uint16_t(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        put32(b, 26 + 12 * int(i), entries[i].id);
        put32(b, 30 + 12 * int(i), entries[i].offset);
        put32(b, 34 + 12 * int(i), entries[i].length);
    }
    return b;
}

inline QByteArray finderInfoBytes(const char* type, const char* creator, uint16_t flags)
{
    QByteArray fi(32, '\0');
    fi.replace(0, 4, type);
    fi.replace(4, 4, creator);
    put16(fi, 8, flags);
    return fi;
}

// What macOS writes: 4096 bytes, Finder information at 50 (3760 bytes with the ATTR
// block holding `attrCount` attributes), resource fork entry last at 3810.
inline QByteArray macCompanion(const QByteArray& finderInfo, int attrCount,
                               const QByteArray& fork)
{
    QByteArray b = header({{9, 50, 3760}, {2, 3810, uint32_t(fork.size())}}, 3810);
    b.replace(50, 32, finderInfo);
    b.replace(84, 4, "ATTR");
    put32(b, 92, 3810);
    put32(b, 96, 120);
    put16(b, 118, uint16_t(attrCount));
    if (attrCount > 0) { // one attribute entry "com.example.tag" with 5 bytes of data
        put32(b, 100, 5);
        put32(b, 120, 200);
        put32(b, 124, 5);
        b[130] = 16;
        b.replace(131, 16, QByteArray("com.example.tag\0", 16));
        b.replace(200, 5, "hello");
    }
    return b + fork;
}

} // namespace AppleDoubleBytes
