#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// Alias records, resource forks and bookmark data written out byte by byte from their
// published layouts, independent of the code under test.
namespace MacAliasBytes {

inline void be16(QByteArray& b, int at, uint16_t v) {
    b[at] = char(v >> 8);
    b[at + 1] = char(v);
}

inline void be32(QByteArray& b, int at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(uint8_t(v >> (24 - 8 * i)));
}

inline QByteArray le32(uint32_t v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(uint8_t(v >> (8 * i)));
    return b;
}

inline QByteArray tag(uint16_t id, const QByteArray& value) {
    QByteArray t(4, '\0');
    be16(t, 0, id);
    be16(t, 2, uint16_t(value.size()));
    t += value;
    if (value.size() % 2)
        t += '\0';
    return t;
}

inline QByteArray unicodeName(const QString& name) {
    QByteArray v(2, '\0');
    be16(v, 0, uint16_t(name.size()));
    for (QChar c : name) {
        v += char(c.unicode() >> 8);
        v += char(c.unicode() & 0xFF);
    }
    return v;
}

// Version 2: a 150-byte header with the volume name as a Pascal string at 10, then tags.
inline QByteArray aliasV2(const QByteArray& volumeName, const QByteArray& tags, bool folder) {
    QByteArray r(150, '\0');
    be16(r, 6, 2);
    be16(r, 8, folder ? 1 : 0);
    r[10] = char(volumeName.size());
    r.replace(11, volumeName.size(), volumeName);
    r.replace(42, 2, "H+");
    r += tags + tag(0xFFFF, {});
    be16(r, 4, uint16_t(r.size()));
    return r;
}

// Version 3: a 58-byte header without names; the volume's name is a tag.
inline QByteArray aliasV3(const QByteArray& tags, bool folder) {
    QByteArray r(58, '\0');
    be16(r, 6, 3);
    be16(r, 8, folder ? 1 : 0);
    r.replace(18, 4, QByteArray("H+\0\0", 4));
    r += tags + tag(0xFFFF, {});
    be16(r, 4, uint16_t(r.size()));
    return r;
}

// A resource fork: 16-byte header, the data (each resource prefixed by its length), and
// a map with one type holding one resource of id 0.
inline QByteArray resourceFork(const char* type, const QByteArray& data) {
    const int dataAt = 256;
    QByteArray resourceData = QByteArray(4, '\0') + data;
    be32(resourceData, 0, uint32_t(data.size()));
    QByteArray map(28 + 2 + 8 + 12, '\0');
    be16(map, 24, 28);                   // type list offset from the map's start
    be16(map, 26, uint16_t(map.size())); // name list offset (empty)
    be16(map, 28, 0);                    // one type (count - 1)
    map.replace(30, 4, QByteArray(type, 4));
    be16(map, 34, 0);      // one resource (count - 1)
    be16(map, 36, 2 + 8);  // reference list offset from the type list
    be16(map, 38, 0);      // id
    be16(map, 40, 0xFFFF); // no name
    be32(map, 42, 0);      // attributes 0, data offset 0
    const int mapAt = dataAt + int(resourceData.size());
    QByteArray fork(dataAt, '\0');
    be32(fork, 0, dataAt);
    be32(fork, 4, uint32_t(mapAt));
    be32(fork, 8, uint32_t(resourceData.size()));
    be32(fork, 12, uint32_t(map.size()));
    QByteArray mapHeader = fork.left(16);
    map.replace(0, 16, mapHeader);
    return fork + resourceData + map;
}

// Bookmark data as an alias file's data fork holds it: "book", 0, "mark", 0, the data
// section's offset, then at that offset the first table of contents' offset, the records
// and the table (keys 0x1004 path, 0x2002 volume path, 0x2010 volume name).
inline QByteArray bookmark(const QList<QByteArray>& components, const QByteArray& volumePath,
                           const QByteArray& volumeName) {
    QByteArray data = le32(0); // patched below
    auto record = [&](uint32_t type, const QByteArray& bytes) {
        const uint32_t at = uint32_t(data.size());
        data += le32(uint32_t(bytes.size())) + le32(type) + bytes;
        while (data.size() % 4)
            data += '\0';
        return at;
    };
    QByteArray offsets;
    for (const QByteArray& c : components)
        offsets += le32(record(0x0101, c));
    const uint32_t path = record(0x0601, offsets);
    const uint32_t volPath = record(0x0101, volumePath);
    const uint32_t volName = record(0x0101, volumeName);
    const uint32_t toc = uint32_t(data.size());
    data += le32(20 + 3 * 12 - 8) + le32(0xFFFFFFFE) + le32(1) + le32(0) + le32(3);
    for (auto [key, at] : {std::pair{0x1004u, path}, {0x2002u, volPath}, {0x2010u, volName}})
        data += le32(key) + le32(at) + le32(0);
    data.replace(0, 4, le32(toc));
    QByteArray header = QByteArray("book\0\0\0\0mark\0\0\0\0", 16) + le32(48) + le32(48);
    header += QByteArray(48 - header.size(), '\0');
    return header + data;
}

} // namespace MacAliasBytes
