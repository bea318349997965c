#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// The 32 bytes of Finder information in the macOS (big-endian) layout.
struct FinderInfo {
    std::array<uint8_t, 32> bytes{};

    static constexpr uint16_t kIsAlias = 0x8000;
    static constexpr uint16_t kIsInvisible = 0x4000;
    static constexpr uint16_t kHasBundle = 0x2000;
    static constexpr uint16_t kNameLocked = 0x1000;
    static constexpr uint16_t kHasCustomIcon = 0x0400;
    static constexpr uint16_t kExtensionHidden = 0x0010;

    bool isZero() const;
    uint16_t flags() const;
    void setFlags(uint16_t f);
    QByteArray type() const;    // bytes 0-3
    QByteArray creator() const; // bytes 4-7
    void setType(const QByteArray& four);
    void setCreator(const QByteArray& four);

    static FinderInfo fromBytes(const QByteArray& raw); // raw must be 32 bytes, else zero
    QByteArray toBytes() const;
    // The 32 bytes at an offset of a container, and a copy of it with them replaced;
    // the caller has checked that the container is long enough.
    static FinderInfo readAt(const QByteArray& container, int at);
    QByteArray writtenInto(QByteArray container, int at) const;
};
