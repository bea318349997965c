#pragma once

#include <QByteArray>
#include <cstdint>

// Big-endian fields of Mac on-disk structures. Callers check the bounds first.
namespace BigEndian {

inline uint32_t read32(const QByteArray& b, qsizetype at)
{
    auto u = [&](qsizetype i) { return uint32_t(uint8_t(b[at + i])); };
    return u(0) << 24 | u(1) << 16 | u(2) << 8 | u(3);
}

inline uint16_t read16(const QByteArray& b, qsizetype at)
{
    return uint16_t(uint8_t(b[at]) << 8 | uint8_t(b[at + 1]));
}

inline void write32(QByteArray& b, qsizetype at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(uint8_t(v >> (24 - 8 * i)));
}

inline void write16(QByteArray& b, qsizetype at, uint16_t v)
{
    b[at] = char(uint8_t(v >> 8));
    b[at + 1] = char(uint8_t(v));
}

} // namespace BigEndian
