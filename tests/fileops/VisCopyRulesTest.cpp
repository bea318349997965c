#include "fileops/VisCopyWindow.h"
#include "platform/fs/NameCodec.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/EditableListBox.h"
#include "platform/gui/TextField.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QFile>

namespace {

constexpr const char* kFinderInfo = "user.com.apple.FinderInfo";
constexpr uint16_t kInvisible = 0x4000;

class VisCopyRules : public WindowTest {
  protected:
    VisCopyWindow& v() { return w().visCopyWindow(); }
    void exclusions(std::initializer_list<std::pair<QString, int>> rows) {
        EditableListBox& list = *v().ExcludeList;
        list.deleteAllRows();
        for (const auto& [pattern, mode] : rows)
            list.addRow({pattern, VisCopyWindow::modeTexts().value(mode), QString::number(mode)});
    }
    bool copies(const QString& name) {
        return w().canVisCopy(FolderItem::fromPosixPath(m_hd + "/" + NameCodec::toBytes(name)));
    }
    QStringList entries(const QByteArray& folder) {
        return QDir(QString::fromUtf8(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }
    bool invisibleOnDisk(const QByteArray& path) {
        return !FolderItem::fromPosixPath(path)->visible();
    }
};

TEST_F(VisCopyRules, PatternsCompareIgnoringCaseCharacterByCharacter) {
    const QString decomposed = QString::fromUtf8("テ\u3099ータ.txt"); // デ as テ + combining mark
    const struct {
        QString pattern;
        int mode;
        QString name;
        bool copied;
    } cases[] = {
        {".DS_Store", 0, ".DS_Store", false},
        {".ds_store", 0, ".DS_Store", false},
        {".DS_Store", 0, ".DS_Store2", true},
        {".DS_Store", 0, "x.DS_Store", true},
        {"", 0, ".DS_Store", true}, // an empty pattern equals no name
        {"", 1, "anything", false}, // but every name begins with it
        {"", 2, "anything", false}, // and ends with it
        {"._", 1, "._notes", false},
        {"._", 1, "_.notes", true},
        {".BAK", 2, "report.bak", false},
        {".bak", 2, "report.bak.txt", true},
        {"テスト", 1, "テスト結果.txt", false},
        {"結果.txt", 2, "テスト結果.txt", false},
        {"ト結", 1, "テスト結果.txt", true},
        {"ＡＢ", 1, "ａｂｃ", false}, // full-width letters have case too
        {"😀", 1, "😀memo", false},
        {"😀", 2, "memo😀", false},
        {"x😀", 2, "memo😀", true},
        {"データ", 1, decomposed, false}, // typed composed, stored decomposed
        {"ﾃﾞｰﾀ", 1, "データ", true},      // half-width kana are other characters
        {"x", 7, "x", true},              // no such mode matches nothing
    };
    for (const auto& c : cases) {
        exclusions({{c.pattern, c.mode}});
        EXPECT_EQ(copies(c.name), c.copied) << "pattern \"" << c.pattern.toStdString() << "\" mode "
                                            << c.mode << " name " << c.name.toStdString();
    }
}

TEST_F(VisCopyRules, AnyRowExcludesAndTheSwitchTurnsTheListOff) {
    exclusions({{".DS_Store", 0}, {"~", 2}, {"Icon", 1}});
    const struct {
        const char* name;
        bool copied;
    } names[] = {{".DS_Store", false}, {"draft~", false}, {"Icon\r", false}, {"notes", true}};
    for (const auto& n : names)
        EXPECT_EQ(copies(n.name), n.copied) << n.name;
    v().ExcludeCheck->setValue(false);
    for (const auto& n : names)
        EXPECT_TRUE(copies(n.name)) << n.name << " with the exclusion switch off";
    EXPECT_FALSE(w().canVisCopy(nullptr));
}

TEST_F(VisCopyRules, NamesThatAreNotUtf8AreComparedWithoutHarm) {
    exclusions({{"", 1}});
    EXPECT_FALSE(copies(NameCodec::fromBytes("\x83\x65\x83\x58\x83\x67"))); // Shift-JIS
    exclusions({{"\x83", 0}, {"abc", 2}});
    EXPECT_TRUE(copies(NameCodec::fromBytes("\x83\x65")));
    EXPECT_FALSE(copies(NameCodec::fromBytes("\xff"
                                             "abc")));
}

TEST_F(VisCopyRules, CompletionPrefixesDotNamesAndClearsTheInvisibleFlag) {
    const struct {
        const char* what;
        bool invisCheck, dotCheck;
        QString prefix;
        const char* name;
        bool invisible;
        bool folder;
        const char* expectName;
        bool expectInvisible;
    } cases[] = {
        {"defaults, dot name", true, true, "_", ".hidden", false, false, "_.hidden", false},
        {"defaults, invisible", true, true, "_", "notes", true, false, "notes", false},
        {"defaults, both", true, true, "_", ".both", true, false, "_.both", false},
        {"defaults, folder", true, true, "_", ".config", true, true, "_.config", false},
        {"empty prefix", true, true, "", ".hidden", true, false, ".hidden", false},
        {"dot switch off", true, false, "_", ".hidden", false, false, ".hidden", false},
        {"visibility switch off", false, true, "_", ".kept", true, false, "_.kept", true},
        {"longer prefix", true, true, "見える", ".profile", false, false, "見える.profile", false},
        {"dot not first", true, true, "_", "a.txt", false, false, "a.txt", false},
    };
    for (const auto& c : cases) {
        TempDir dest;
        const QByteArray path = c.folder ? dest.folder(c.name) : dest.file(c.name, "data");
        if (c.folder)
            dest.file(QByteArray(c.name) + "/.inside", "x");
        if (c.invisible) {
            ASSERT_TRUE(setXattr(path, kFinderInfo, finderInfo(kInvisible)));
        }
        v().InvisCheck->setValue(c.invisCheck);
        v().DotCheck->setValue(c.dotCheck);
        v().PrefixField->setText(c.prefix);

        w().completeVisCopy(FolderItem::fromPosixPath(path));
        EXPECT_EQ(entries(dest.path()), QStringList({QString::fromUtf8(c.expectName)})) << c.what;
        const QByteArray now = dest / c.expectName;
        EXPECT_EQ(invisibleOnDisk(now), c.expectInvisible) << c.what;
        if (c.folder)
            EXPECT_EQ(entries(now), QStringList({".inside"})) << c.what << ": contents untouched";
        else
            EXPECT_EQ(QFile(QString::fromUtf8(now)).size(), 4) << c.what;
    }
}

TEST_F(VisCopyRules, ATakenPrefixedNameIsLeftAloneAndAMissingCopyIsNoHarm) {
    TempDir dest;
    const QByteArray hidden = dest.file(".hidden", "new");
    dest.file("_.hidden", "old");
    ASSERT_TRUE(setXattr(hidden, kFinderInfo, finderInfo(kInvisible)));
    w().completeVisCopy(FolderItem::fromPosixPath(hidden));
    EXPECT_EQ(entries(dest.path()), QStringList({".hidden", "_.hidden"}));
    QFile old(QString::fromUtf8(dest / "_.hidden"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_FALSE(invisibleOnDisk(hidden)) << "still made visible";

    w().completeVisCopy(FolderItem::fromPosixPath(dest / ".gone"));
    w().completeVisCopy(nullptr);
    EXPECT_EQ(entries(dest.path()), QStringList({".hidden", "_.hidden"}));
}

} // namespace
