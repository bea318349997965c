#pragma once

#include <QColor>
#include <QString>

// Mac modifier bits, the way the program reads keys (Qt's own macOS mapping).
constexpr int kCommandKey = 0x0100; // Ctrl
constexpr int kShiftKey = 0x0200;   // Shift
constexpr int kOptionKey = 0x0800;  // Alt
constexpr int kControlKey = 0x1000; // Meta, or a contextual (right) click

// Which window edges a control keeps its distance to when the window is resized. A
// control anchored left and right stretches; anchored only right it moves.
enum Anchor : unsigned {
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
    kAnchorTopLeft = kAnchorLeft | kAnchorTop,
    kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom,
};

// The program's captions and help tags break lines with a carriage return.
QString withLineBreaks(const QString& text);

// Colour from a 0xRRGGBB literal, as the design writes them.
inline QColor rgb(unsigned hex) { return QColor((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF); }
