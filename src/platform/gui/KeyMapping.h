#pragma once

#include <QString>

// The key as the program reads it: the character a Mac keyboard would give
// (Backspace and Delete "\x08", Return "\r", Enter "\x03", arrows 28-31, Alt+A "å"),
// and the modifiers as Mac bits. Empty for keys the program has no character for.
QString macKeyText(int qtKey, int qtModifiers, const QString& text);
int macModifiers(int qtModifiers);
