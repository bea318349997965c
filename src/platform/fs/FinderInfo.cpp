#include "platform/fs/FinderInfo.h"

#include <algorithm>

bool FinderInfo::isZero() const
{
    return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

uint16_t FinderInfo::flags() const
{
    return uint16_t(bytes[8] << 8 | bytes[9]);
}

void FinderInfo::setFlags(uint16_t f)
{
    bytes[8] = uint8_t(f >> 8);
    bytes[9] = uint8_t(f);
}

static QByteArray four(const std::array<uint8_t, 32>& b, int at)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()) + at, 4);
}

QByteArray FinderInfo::type() const { return four(bytes, 0); }
QByteArray FinderInfo::creator() const { return four(bytes, 4); }

static void putFour(std::array<uint8_t, 32>& b, int at, const QByteArray& code)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = i < code.size() ? uint8_t(code[i]) : 0;
}

void FinderInfo::setType(const QByteArray& code) { putFour(bytes, 0, code); }
void FinderInfo::setCreator(const QByteArray& code) { putFour(bytes, 4, code); }

FinderInfo FinderInfo::fromBytes(const QByteArray& raw)
{
    FinderInfo info;
    if (raw.size() == 32)
        std::copy(raw.begin(), raw.end(), info.bytes.begin());
    return info;
}

QByteArray FinderInfo::toBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), 32);
}

FinderInfo FinderInfo::readAt(const QByteArray& container, int at)
{
    return fromBytes(container.mid(at, 32));
}

QByteArray FinderInfo::writtenInto(QByteArray container, int at) const
{
    std::copy(bytes.begin(), bytes.end(), container.begin() + at);
    return container;
}
