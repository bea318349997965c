#include "prefs/PrefsCore.h"
#include "prefs/PrefsFixture.h"
#include "prefs/PrefsText.h"

#include <QStringList>

namespace {

class Store : public PrefsFixture {};

std::vector<QVariant> sampleData(const QString& path)
{
    std::vector<QVariant> data;
    for (bool b : {true, false, true, true, false, true, false, true})
        data.emplace_back(b);
    for (int n : {-12, 34, 700, 480, 15})
        data.emplace_back(n);
    data.emplace_back(QStringLiteral("350,5,140,90,80,80,1,0,0"));
    data.emplace_back(path);
    return data;
}

} // namespace

TEST_F(Store, SixteenLinesRoundTripWithAnyNameBytes)
{
    // Japanese, a Shift-JIS byte name (not UTF-8), a carriage return, a backslash and
    // text that looks like an escape: all must come back exactly.
    const QString path = QStringLiteral("HD:書類:") + QChar(char16_t(0xDC83)) +
                         QChar(char16_t(0xDC5C)) + QStringLiteral("a\rb\\x80\\c:\\");
    PrefsCore saved;
    saved.customOpen = true;
    saved.Data = sampleData(path);
    ASSERT_FALSE(saved.save());

    const QByteArray bytes = readPrefs();
    EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << "the file is valid UTF-8";
    const QList<QByteArray> lines = bytes.split('\r');
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], "true");
    EXPECT_EQ(lines[1], "true");
    EXPECT_EQ(lines[2], "false");
    EXPECT_EQ(lines[9], "-12");
    EXPECT_EQ(lines[14], "350,5,140,90,80,80,1,0,0");
    EXPECT_FALSE(bytes.contains('\n'));

    PrefsCore loaded;
    ASSERT_FALSE(loaded.load());
    EXPECT_TRUE(loaded.customOpen);
    ASSERT_EQ(loaded.Data.size(), saved.Data.size());
    for (size_t i = 0; i < saved.Data.size(); ++i)
        EXPECT_EQ(loaded.Data[i].toString(), saved.Data[i].toString()) << i;
    EXPECT_EQ(loaded.Data[14].toString(), path);
}

TEST_F(Store, DefaultsWriteOneLineAndKeepDataInMemory)
{
    PrefsCore prefs;
    prefs.Data = sampleData(QStringLiteral("HD:x:"));
    ASSERT_FALSE(prefs.save());
    EXPECT_EQ(readPrefs(), "false");

    PrefsCore loaded;
    loaded.customOpen = true;
    loaded.Data = sampleData(QStringLiteral("kept"));
    EXPECT_FALSE(loaded.load());
    EXPECT_FALSE(loaded.customOpen);
    EXPECT_EQ(loaded.Data[14].toString(), "kept");
}

TEST_F(Store, SavingMakesTheMissingFolders)
{
    // A new user has no ~/.config yet.
    PrefsCore prefs;
    prefs.customOpen = true;
    prefs.Data = sampleData(QStringLiteral("HD:"));
    EXPECT_FALSE(prefs.save());
    EXPECT_EQ(readPrefs().count('\r'), 15);
}

TEST_F(Store, SavingFailsWhenTheFolderCannotBeMade)
{
    m_tmp.folder("hd/home/.config");
    m_tmp.file("hd/home/.config/Quillmark", "a file where the folder belongs");
    PrefsCore prefs;
    EXPECT_TRUE(prefs.save());
}

TEST_F(Store, DamagedFilesKeepTheDefaults)
{
    const QByteArray good = sixteenLines("HD:home:");
    struct Case {
        const char* what;
        QByteArray content;
        bool failed;     // load's answer
        bool customOpen; // afterwards; it starts false
        bool dataRead;
    };
    const Case cases[] = {
        {"empty", "", true, false, false},
        {"not a boolean", "yes\rtrue", true, false, false},
        {"binary", QByteArray("\x00\xff\xfe\r\x80", 5), true, false, false},
        {"true alone", "true", true, true, false},
        {"true with a line end", "true\r", true, true, false},
        {"true and seven lines", "true\rtrue\rtrue\rfalse\rtrue\rfalse\rtrue\rfalse", true, true, false},
        {"fifteen lines", good.left(good.lastIndexOf('\r')), true, true, false},
        {"false with more lines", "false\rjunk", false, false, false},
        {"words in any case", "TRUE" + good.mid(4), false, true, true},
        {"complete", good, false, true, true},
        {"a line more", good + "\rextra", false, true, true},
        {"over 64 KB", good + QByteArray(64 * 1024, 'x'), true, false, false},
    };
    for (const Case& c : cases) {
        writePrefs(c.content);
        PrefsCore prefs;
        prefs.Data = {QVariant(QStringLiteral("untouched"))};
        EXPECT_EQ(prefs.load(), c.failed) << c.what;
        EXPECT_EQ(prefs.customOpen, c.customOpen) << c.what;
        EXPECT_EQ(prefs.Data.size(), c.dataRead ? 15u : 1u) << c.what;
    }
}

TEST_F(Store, MissingFileOrAFolderInItsPlaceKeepTheDefaults)
{
    PrefsCore prefs;
    EXPECT_TRUE(prefs.load());
    m_tmp.folder("hd/home/.config");
    m_tmp.folder("hd/home/.config/Quillmark");
    m_tmp.folder("hd/home/.config/Quillmark/Cloakswitch Prefs");
    EXPECT_TRUE(prefs.load());
    EXPECT_FALSE(prefs.customOpen);
    EXPECT_TRUE(prefs.save()) << "a folder is never replaced by the file";
}

TEST_F(Store, ValuesThatDoNotParseReadAsZeroAndFalse)
{
    writePrefs("true\rmaybe\rtrue\r\r1\rfalse\rtrue\rfalse\rfalse\rabc\r\r 7 \r99999999999\r12px\r"
               "garbage\rHD:nowhere:");
    PrefsCore prefs;
    ASSERT_FALSE(prefs.load());
    EXPECT_FALSE(prefs.Data[0].toBool());
    EXPECT_TRUE(prefs.Data[1].toBool());
    EXPECT_FALSE(prefs.Data[2].toBool());
    EXPECT_FALSE(prefs.Data[3].toBool());
    const int numbers[] = {0, 0, 7, 0, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(prefs.Data[size_t(8 + i)].toInt(), numbers[i]) << i;
}

TEST(PrefsText, EscapesUndoExactlyAndLeaveForeignBackslashes)
{
    const struct {
        QString text;
        QString escaped;
    } cases[] = {
        {QStringLiteral("plain 書類"), QStringLiteral("plain 書類")},
        {QStringLiteral("a\\b\rc\nd"), QStringLiteral("a\\\\b\\rc\\nd")},
        {QString(QChar(char16_t(0xDCFF))), QStringLiteral("\\xFF")},
        {QString(QChar(char16_t(0xD800))), QStringLiteral("\\uD800")},
        {QStringLiteral("😀"), QStringLiteral("😀")}, // a surrogate pair is no lone one
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrefsText::escape(c.text), c.escaped) << c.escaped.toStdString();
        EXPECT_EQ(PrefsText::unescape(c.escaped), c.text) << c.escaped.toStdString();
    }
    // Text written by hand keeps backslashes that are no escape of ours.
    for (const char* raw : {"C:\\q", "\\x41", "\\x8", "\\u12", "\\uZZZZ", "end\\"})
        EXPECT_EQ(PrefsText::unescape(QString::fromLatin1(raw)), QString::fromLatin1(raw)) << raw;
}
