#pragma once

#include <QChar>
#include <cstdint>
#include <optional>

// The Mac OS Roman character set, the encoding of creator and type codes and of old
// Mac names. Bytes below 0x80 are ASCII.
namespace MacRoman {

QChar toUnicode(uint8_t byte);
std::optional<uint8_t> fromUnicode(QChar ch); // none when Mac Roman has no such character

} // namespace MacRoman
