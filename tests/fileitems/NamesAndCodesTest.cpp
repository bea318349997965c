#include "fileitems/Codes.h"
#include "fileitems/FileNames.h"

#include <gtest/gtest.h>

using namespace fileitems;

namespace {

struct SplitCase {
    const char* name;
    bool hasExt;
    const char* base;
    const char* ext; // "<kept>" when ext must keep its old value
};

} // namespace

TEST(SplitFname, SplitsAtTheLastDotOnly)
{
    const SplitCase cases[] = {
        {"x.tar.gz", true, "x.tar", "gz"},
        {"Foo.app", true, "Foo", "app"},
        {"a.", true, "a", ""},
        {"._Foo.app", true, "._Foo", "app"},
        {"README", false, "README", "<kept>"},
        {"", false, "", "<kept>"},
        {".cshrc", false, ".cshrc", "cshrc"},
        {"._.x", false, "._.x", "x"},
        {"._.", false, "._.", ""},
        {".", false, ".", ""},
        {"..", true, ".", ""},
    };
    for (const auto& c : cases) {
        QString base = QStringLiteral("old");
        QString ext = QStringLiteral("<kept>");
        EXPECT_EQ(splitFname(QString::fromUtf8(c.name), base, ext), c.hasExt) << c.name;
        EXPECT_EQ(base, QString::fromUtf8(c.base)) << c.name;
        EXPECT_EQ(ext, QString::fromUtf8(c.ext)) << c.name;
    }
}

TEST(SplitFname, ExtensionsCompareWithoutCase)
{
    EXPECT_TRUE(hasExtension(QStringLiteral("Report.RTFD"), QStringLiteral("rtfd")));
    EXPECT_FALSE(hasExtension(QStringLiteral(".rtfd"), QStringLiteral("rtfd")));
    EXPECT_FALSE(hasExtension(QStringLiteral("rtfd"), QStringLiteral("rtfd")));
}

TEST(OptStr, ShowsMacRomanAndMarksControlBytes)
{
    const struct {
        QByteArray code;
        QString text;
    } cases[] = {
        {QByteArray(4, '\0'), QStringLiteral("(zero)")},
        {"TEXT", QStringLiteral("TEXT")},
        {"    ", QStringLiteral("    ")},
        {QByteArray("AB\rD"), QStringLiteral("AB\u2022D")},
        {QByteArray("\x7f\x1f" "ab"), QStringLiteral("\u2022\u2022ab")},
        {QByteArray("\x00\x00\x00" "A", 4), QStringLiteral("\u2022\u2022\u2022A")},
        {QByteArray("\xa5\xc4\xdb\xf0"), QStringLiteral("\u2022\u0192\u20ac\uf8ff")},
        {QByteArray("\x80\xff"), QStringLiteral("\u00c4\u02c7")},
        {QByteArray(), QString()},
        {QByteArray("LONGER"), QStringLiteral("LONGER")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(optStr(c.code), c.text) << c.code.toHex().constData();
}

TEST(CodeFromText, AcceptsOnlyFourMacRomanCharactersOrZero)
{
    const struct {
        QString text;
        std::optional<QByteArray> code;
    } cases[] = {
        {QStringLiteral("TEXT"), QByteArray("TEXT")},
        {QStringLiteral("(ZeRo)"), QByteArray(4, '\0')},
        {QStringLiteral("\u0192ld\u2022"), QByteArray("\xc4" "ld\xa5")},
        {QStringLiteral("a b "), QByteArray("a b ")},
        {QString(QChar(0xDCA5)) + QStringLiteral("abc"), QByteArray("\xa5" "abc")},
        {QStringLiteral("TEX"), std::nullopt},
        {QStringLiteral("TEXTS"), std::nullopt},
        {QStringLiteral("\u3042BCD"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codeFromText(c.text), c.code) << c.text.toStdString();
}

TEST(CodeFromText, EveryShownCodeReadsBack)
{
    for (int b = 0x80; b <= 0xff; ++b) {
        const QByteArray code = QByteArray(1, char(b)) + "xyz";
        EXPECT_EQ(codeFromText(optStr(code)), code) << b;
    }
}

TEST(SameCode, IgnoresCase)
{
    EXPECT_TRUE(sameCode("appl", "APPL"));
    EXPECT_FALSE(sameCode("APP ", "APPL"));
    EXPECT_FALSE(sameCode(QByteArray(4, '\0'), "APPL"));
}
