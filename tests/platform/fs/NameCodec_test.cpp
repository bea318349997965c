#include "platform/fs/NameCodec.h"

#include <gtest/gtest.h>

namespace {

struct BytesCase {
    const char* label;
    QByteArray bytes;
};

// Names as they arrive from disks written by old Macs and odd tools.
const BytesCase kNames[] = {
    {"ascii", "report.txt"},
    {"utf8 nfc", "caf\xC3\xA9"},
    {"utf8 nfd", "cafe\xCC\x81"},
    {"japanese utf8", "\xE6\x9B\xB8\xE9\xA1\x9E"},
    {"astral", "\xF0\x9F\x93\x81 folder"},
    {"shift-jis", "\x83\x65\x83\x58\x83\x67.txt"},
    {"mac roman", "Caf\x8E"},
    {"lone continuation", "a\x80z"},
    {"truncated sequence", "ab\xE6\x9B"},
    {"overlong slash", "\xC0\xAF"},
    {"encoded surrogate", "\xED\xA0\x80"},
    {"beyond unicode", "\xF4\x90\x80\x80"},
    {"all high bytes", "\xFF\xFE\xFD"},
};

TEST(NameCodec, BytesRoundTripWithoutLoss) {
    for (const auto& c : kNames)
        EXPECT_EQ(NameCodec::toBytes(NameCodec::fromBytes(c.bytes)), c.bytes) << c.label;
}

TEST(NameCodec, ValidUtf8DecodesAsTextAndInvalidBytesAsEscapes) {
    EXPECT_EQ(NameCodec::fromBytes("caf\xC3\xA9"), QString::fromUtf8("café"));
    const QString escaped = NameCodec::fromBytes("a\x80z");
    ASSERT_EQ(escaped.size(), 3);
    EXPECT_EQ(escaped[1].unicode(), 0xDC80);
}

TEST(NameCodec, NamesThatDifferOnlyInBytesStayDifferent) {
    // NFC and NFD forms, and case, are different names on Linux.
    EXPECT_NE(NameCodec::fromBytes("caf\xC3\xA9"), NameCodec::fromBytes("cafe\xCC\x81"));
    EXPECT_NE(NameCodec::fromBytes("\x8E"), NameCodec::fromBytes("\x8F"));
    EXPECT_NE(NameCodec::fromBytes("a.txt"), NameCodec::fromBytes("A.txt"));
}

TEST(NameCodec, DisplayDecodesShiftJisElseMacRoman) {
    struct Case {
        QByteArray bytes;
        QString shown;
    };
    const Case cases[] = {
        {"\x83\x65\x83\x58\x83\x67.txt", QString::fromUtf8("テスト.txt")},
        {"Caf\x8E", QString::fromUtf8("Café")},
        {"plain", "plain"},
        {"caf\xC3\xA9", QString::fromUtf8("café")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameCodec::forDisplay(NameCodec::fromBytes(c.bytes)), c.shown)
            << c.bytes.toHex().constData();
}

TEST(NameCodec, DisplayTextHasNoEscapesLeft) {
    for (const auto& c : kNames) {
        const QString shown = NameCodec::forDisplay(NameCodec::fromBytes(c.bytes));
        for (QChar ch : shown)
            EXPECT_FALSE(ch.unicode() >= 0xDC80 && ch.unicode() <= 0xDCFF) << c.label;
    }
}

TEST(NameCodec, CodesKeepEveryByte) {
    const QByteArray codes[] = {"TEXT", QByteArray(4, '\0'), "\x8E\xFF\x0D ", "ab"};
    for (const QByteArray& code : codes) {
        const QString text = NameCodec::codeFromBytes(code);
        EXPECT_EQ(text.size(), code.size());
        EXPECT_EQ(NameCodec::codeToBytes(text), code);
    }
    // A character with no one-byte form is no code at all.
    EXPECT_TRUE(NameCodec::codeToBytes(QString::fromUtf8("ab漢c")).isEmpty());
}

} // namespace
