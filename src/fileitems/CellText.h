#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// Cell texts shared by the list and the companion program.
namespace fileitems {

inline constexpr char kNoSizeText[] = "---";

// "YYYY-MM-DD hh:mm:ss" in local time; empty for an invalid date.
QString sqlDateText(const QDateTime& when);

// Bytes in units of 1000 with one decimal, cut off: "999 B", "1.2 KB", "4.2 GB".
QString sizeText(int64_t bytes);

// Eighteen zero-padded digits in groups of three ("000,000,000,000,001,024"), so that
// sorting the texts sorts the sizes.
QString sizeKey(int64_t bytes);

} // namespace fileitems
