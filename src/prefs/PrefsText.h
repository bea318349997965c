#pragma once

#include <QString>

// The text forms of the preferences file. Strings are escaped so that the file stays
// line-structured, valid UTF-8 text while paths keep every byte of their names.
namespace PrefsText {

QString fromBool(bool value);
// "true" or "false" in any case, surrounding blanks ignored; nothing else is a boolean.
bool readBool(const QString& line, bool* ok = nullptr);
// A decimal integer; anything that does not parse (or overflows) reads as 0.
int readInt(const QString& line);

// Backslash, carriage return and line feed become "\\", "\r" and "\n"; a lone
// surrogate U+DC80..U+DCFF (a name byte that is not UTF-8) becomes "\xHH" with its
// byte, any other lone surrogate "\uXXXX". unescape() undoes it and keeps any other
// backslash as it stands.
QString escape(const QString& text);
QString unescape(const QString& text);

} // namespace PrefsText
