#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Creator and type codes: four bytes, shown and typed as Mac Roman text.
namespace fileitems {

inline constexpr char kZeroCodeText[] = "(zero)";

// The code as the list shows it: "(zero)" for four zero bytes, control bytes as "•".
QString optStr(const QByteArray& code);

// A typed code back to its bytes: "(zero)" in any case, or exactly four characters that
// Mac Roman has. Lone surrogates U+DC80..U+DCFF (NameCodec's escapes for bytes that were
// not UTF-8) stand for their byte. None for anything else, so nothing is written.
std::optional<QByteArray> codeFromText(const QString& text);

// Codes are compared without regard to case ("appl" is "APPL").
bool sameCode(const QByteArray& code, const char* other);

} // namespace fileitems
