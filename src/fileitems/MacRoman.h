#pragma once

#include <QChar>
#include <cstdint>
#include <optional>

// Creator and type codes are Mac Roman bytes; these turn them into characters and back.
// The low half is ASCII, control characters included.
namespace fileitems {

QChar macRomanChar(uint8_t byte);
std::optional<uint8_t> macRomanByte(QChar ch); // none when Mac Roman has no such character

} // namespace fileitems
