#include "fileitems/Codes.h"

#include "platform/fs/MacRoman.h"

namespace fileitems {

namespace {

constexpr char16_t kBullet = 0x2022;
const QByteArray kZeroCode(4, '\0');

bool isControlByte(uint8_t b)
{
    return b < 32 || b == 127;
}

} // namespace

QString optStr(const QByteArray& code)
{
    if (code == kZeroCode)
        return QString::fromLatin1(kZeroCodeText);
    QString text;
    text.reserve(code.size());
    for (char c : code) {
        const auto b = uint8_t(c);
        text += isControlByte(b) ? QChar(kBullet) : MacRoman::toUnicode(b);
    }
    return text;
}

std::optional<QByteArray> codeFromText(const QString& text)
{
    if (text.compare(QLatin1String(kZeroCodeText), Qt::CaseInsensitive) == 0)
        return kZeroCode;
    if (text.size() != 4)
        return std::nullopt;
    QByteArray code;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0xDC80 && u <= 0xDCFF) {
            code += char(u - 0xDC00);
            continue;
        }
        const auto byte = MacRoman::fromUnicode(ch);
        if (!byte)
            return std::nullopt;
        code += char(*byte);
    }
    return code;
}

bool sameCode(const QByteArray& code, const char* other)
{
    return code.compare(QByteArray(other), Qt::CaseInsensitive) == 0;
}

} // namespace fileitems
