#include "fileitems/globals.h"

#include "platform/fs/Volumes.h"

#include <limits>

namespace globals {

namespace {

// A decimal text's numeric value the way the keys were read on the Mac: leading blanks,
// an optional sign, then as many digits as stand there; anything else gives 0.
long long numericValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        if (value > std::numeric_limits<int>::max())
            return 0; // beyond any reference number
        value = value * 10 + (text[i].unicode() - '0');
    }
    return negative ? -value : value;
}

} // namespace

int vrefToVolNum(const QString& text)
{
    const long long ref = numericValue(text);
    const auto& volumes = Volumes::list();
    for (size_t i = 0; i < volumes.size(); ++i) {
        if (volumes[i].ref == ref)
            return int(i);
    }
    return -1;
}

} // namespace globals
