#include "prefs/PrefsText.h"

namespace {

constexpr char16_t kByteSurrogateBase = 0xDC00;

QString hex(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

bool loneSurrogateAt(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// Reads `digits` hex digits at `from`; -1 when they are not all there.
int hexAt(const QString& text, qsizetype from, int digits)
{
    if (from + digits > text.size())
        return -1;
    int value = 0;
    for (qsizetype i = from; i < from + digits; ++i) {
        const int digit = hexDigit(text.at(i));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

namespace PrefsText {

QString fromBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool readBool(const QString& line, bool* ok)
{
    const QString word = line.trimmed();
    const bool isTrue = word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    const bool isFalse = word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
    if (ok)
        *ok = isTrue || isFalse;
    return isTrue;
}

int readInt(const QString& line)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString escape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (loneSurrogateAt(text, i) && c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
            out += QLatin1String("\\x") + hex(c.unicode() - kByteSurrogateBase, 2);
        else if (loneSurrogateAt(text, i))
            out += QLatin1String("\\u") + hex(c.unicode(), 4);
        else
            out += c;
    }
    return out;
}

QString unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        int code = -1;
        int length = 2;
        if (c != QLatin1Char('\\')) {
            length = 1;
        } else if (next == QLatin1Char('\\')) {
            code = '\\';
        } else if (next == QLatin1Char('r')) {
            code = '\r';
        } else if (next == QLatin1Char('n')) {
            code = '\n';
        } else if (next == QLatin1Char('x')) {
            const int byte = hexAt(text, i + 2, 2);
            code = byte >= 0x80 ? kByteSurrogateBase + byte : -1;
            length = 4;
        } else if (next == QLatin1Char('u')) {
            const int unit = hexAt(text, i + 2, 4);
            code = unit >= 0xD800 && unit <= 0xDFFF ? unit : -1;
            length = 6;
        }
        // Anything that is no escape of ours stays as it stands.
        if (code < 0) {
            out += c;
            ++i;
        } else {
            out += QChar(char16_t(code));
            i += length;
        }
    }
    return out;
}

} // namespace PrefsText
