#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes on Linux. The program logic handles them as QString; bytes that
// are not valid UTF-8 become the lone surrogates U+DC80..U+DCFF (one per byte), so that
// every name and path key round-trips without loss and still compares exactly.
namespace NameCodec {

QString fromBytes(const QByteArray& bytes);
QByteArray toBytes(const QString& text);

// The text shown to a person: escaped bytes decoded as Shift-JIS or Mac Roman where that
// reads cleanly, else shown as U+FFFD. Never used as a key.
QString forDisplay(const QString& text);

// Four code bytes as a QString of four characters, one per byte (Latin-1 style, so the
// bytes survive); and back. Mac Roman display is optStr's business.
QString codeFromBytes(const QByteArray& code);
QByteArray codeToBytes(const QString& code);

} // namespace NameCodec
