#include "platform/fs/NameCodec.h"

#include "platform/fs/MacRoman.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // byte b >= 0x80 becomes U+DC00 + b

bool isEscape(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

// Length of the valid UTF-8 sequence starting at s[i] and its code point, or 0 when the
// byte there starts no valid sequence (overlong forms and encoded surrogates included).
int utf8Sequence(const unsigned char* s, qsizetype n, qsizetype i, char32_t& cp) {
    const unsigned char b = s[i];
    int len;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > n)
        return 0;
    for (int k = 1; k < len; ++k) {
        if ((s[i + k] & 0xC0) != 0x80)
            return 0;
        cp = cp << 6 | (s[i + k] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

void appendUtf8(QByteArray& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | cp >> 18);
        out += char(0x80 | (cp >> 12 & 0x3F));
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

QString macRomanEscapes(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out += isEscape(c.unicode()) ? MacRoman::toUnicode(uint8_t(c.unicode() - kEscapeBase)) : c;
    return out;
}

} // namespace

QString NameCodec::fromBytes(const QByteArray& bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n;) {
        char32_t cp;
        const int len = utf8Sequence(s, n, i, cp);
        if (len == 0) {
            out += QChar(char16_t(kEscapeBase + s[i]));
            ++i;
            continue;
        }
        if (cp < 0x10000)
            out += QChar(char16_t(cp));
        else
            out += QString::fromUcs4(&cp, 1);
        i += len;
    }
    return out;
}

QByteArray NameCodec::toBytes(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isEscape(c)) {
            out += char(c - kEscapeBase);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            // A lone surrogate that no name can hold: it cannot be written as UTF-8.
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

QString NameCodec::forDisplay(const QString& text) {
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return isEscape(c.unicode()); }))
        return text;
    // Names from old Japanese Macs are Shift-JIS as a whole; take that reading only when
    // every byte decodes, else show the odd bytes as Mac Roman (which decodes any byte).
    QStringDecoder sjis("Shift_JIS", QStringConverter::Flag::Stateless);
    if (sjis.isValid()) {
        const QString decoded = sjis.decode(toBytes(text));
        if (!sjis.hasError())
            return decoded;
    }
    return macRomanEscapes(text);
}

QString NameCodec::codeFromBytes(const QByteArray& code) {
    return QString::fromLatin1(code);
}

QByteArray NameCodec::codeToBytes(const QString& code) {
    for (QChar c : code) {
        if (c.unicode() > 0xFF)
            return {}; // no one-byte form: callers refuse the code
    }
    return code.toLatin1();
}
