#include "fileitems/CellText.h"

#include <array>

namespace fileitems {

namespace {

constexpr std::array<const char*, 7> kUnits = {"B", "KB", "MB", "GB", "TB", "PB", "EB"};
constexpr int kKeyDigits = 18;

// Digits with a "," between groups of three, counted from the right.
QString groupDigits(const QString& digits)
{
    QString grouped;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

QString sqlDateText(const QDateTime& when)
{
    if (!when.isValid())
        return {};
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// The Mac version cut a grouped number after its first group and one more digit, up to
// "TB" for any length; the same arithmetic carried on to PB and EB keeps files beyond a
// thousand terabytes (sparse files can claim that much) readable.
QString sizeText(int64_t bytes)
{
    if (bytes < 0)
        bytes = 0;
    if (bytes < 1000)
        return QString::number(bytes) + QLatin1String(" B");
    size_t unit = 0;
    int64_t scale = 1;
    while (bytes / scale >= 1000) {
        scale *= 1000;
        ++unit;
    }
    const int64_t whole = bytes / scale;
    const int64_t tenth = bytes / (scale / 10) % 10;
    return QStringLiteral("%1.%2 %3").arg(whole).arg(tenth).arg(QLatin1String(kUnits[unit]));
}

QString sizeKey(int64_t bytes)
{
    if (bytes < 0)
        bytes = 0;
    return groupDigits(QStringLiteral("%1").arg(bytes, kKeyDigits, 10, QLatin1Char('0')));
}

} // namespace fileitems
