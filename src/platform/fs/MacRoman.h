#pragma once

#include <QChar>
#include <cstdint>

// The Mac OS Roman character set, the encoding of creator and type codes and of old
// Mac names. Bytes below 0x80 are ASCII.
namespace MacRoman {

QChar toUnicode(uint8_t byte);

} // namespace MacRoman
