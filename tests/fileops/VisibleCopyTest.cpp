#include "FileOpsFixture.h"

#include "dialogs/answers.h"
#include "fileops/VisCopyWindow.h"
#include "platform/gui/CopyProgressWindow.h"
#include "platform/gui/CopyRunner.h"
#include "platform/gui/EditableListBox.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/TextField.h"

#include <QApplication>
#include <QDirIterator>
#include <QPushButton>
#include <QTimer>
#include <fcntl.h>
#include <functional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Kind = ModalRecord::Kind;
constexpr const char* kInfo = "user.com.apple.FinderInfo";
constexpr const char* kFork = "user.com.apple.ResourceFork";
constexpr uint16_t kInvisible = 0x4000;

bool invisible(const QByteArray& path) {
    return !FolderItem::fromPosixPath(path)->visible();
}

// An invisible folder "box" holding a .DS_Store, a dot-named file, an invisible file with
// codes, a resource fork and another attribute, an invisible folder holding a dot-named
// file, and an application whose inside is left as it is.
class VisibleCopy : public FileOps {
  protected:
    void SetUp() override {
        FileOps::SetUp();
        w().DispDots->setValue(true); // dot-named items are listed, so they can be chosen
        m_tmp.folder("hd/box");
        m_tmp.file("hd/box/.DS_Store", "ds");
        m_tmp.file("hd/box/.hidden", "dot");
        const QByteArray notes = m_tmp.file("hd/box/notes", "notes");
        setXattr(notes, kInfo, finderInfo(kInvisible, "TEXT", "ttxt"));
        setXattr(notes, kFork, "fork bytes");
        setXattr(notes, "user.other", "kept");
        const QByteArray sub = m_tmp.folder("hd/box/sub");
        m_tmp.file("hd/box/sub/.inner", "in");
        setXattr(sub, kInfo, finderInfo(kInvisible));
        m_tmp.folder("hd/box/Tool.app");
        m_tmp.folder("hd/box/Tool.app/Contents");
        m_tmp.file("hd/box/Tool.app/Contents/.DS_Store", "app ds");
        m_tmp.file("hd/box/Tool.app/.hidden", "app dot");
        setXattr(m_hd + "/box", kInfo, finderInfo(kInvisible));
        const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6));
        hd("box/sub")->setModificationDate(past);
        hd("box")->setModificationDate(past.addDays(1));
        m_dest = m_tmp.folder("hd/Dest");
        m_sourceBefore = describe(m_hd + "/box");
    }

    VisCopyWindow& v() { return w().visCopyWindow(); }

    // Ctrl+click on the copy button: the settings window is answered with its button,
    // the folder dialog with the destination ("" cancels it).
    void copyVisibly(const QStringList& names, const QString& settingsButton,
                     const QByteArray& destination) {
        selectAtRoot(names);
        m_input.mods = kCommandKey;
        w().OptCopyBtnState();
        m_responder.answer(settingsButton);
        if (settingsButton == QLatin1String("OkButton"))
            m_responder.answer(QString::fromUtf8(destination));
        w().InvisCopyButton_Action();
        m_input.mods = 0;
        w().OptCopyBtnState();
    }

    // Names, sizes, Finder information, attributes and dates of a whole tree.
    QStringList describe(const QByteArray& root) {
        QStringList lines;
        QDirIterator it(QString::fromUtf8(root),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QByteArray path = it.next().toUtf8();
            const FolderItemPtr item = FolderItem::fromPosixPath(path);
            lines << QString::fromUtf8(path.mid(root.size())) + " " +
                         QString::number(item->dataForkSize()) + " " +
                         QString::fromLatin1(getXattr(path, kInfo).toHex()) + " " +
                         QString::fromLatin1(getXattr(path, kFork)) + " " +
                         item->modificationDate().toString(Qt::ISODate);
        }
        lines.sort();
        return lines;
    }

    QByteArray m_dest;
    QStringList m_sourceBefore;
};

TEST_F(VisibleCopy, DefaultsCopyEverythingVisibleDotNamesPrefixedDsStoreLeftOut) {
    copyVisibly({"box"}, "OkButton", m_dest);
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder}));
    EXPECT_EQ(m_responder.records[0].title, "可視コピー");
    EXPECT_EQ(m_responder.records[1].title, "ファイルコピー");
    EXPECT_FALSE(w().isVisCopy);

    const QByteArray box = m_dest + "/box";
    EXPECT_EQ(namesIn(m_dest), QStringList{"box"}) << "nothing else, no temporary leftovers";
    EXPECT_EQ(namesIn(box), (QStringList{"Tool.app", "_.hidden", "notes", "sub"}));
    EXPECT_EQ(namesIn(box + "/sub"), QStringList{"_.inner"});
    EXPECT_EQ(namesIn(box + "/Tool.app"), (QStringList{".hidden", "Contents"})) << "kept whole";
    EXPECT_EQ(namesIn(box + "/Tool.app/Contents"), QStringList{".DS_Store"});
    for (const char* visible : {"", "/notes", "/sub", "/Tool.app", "/_.hidden"})
        EXPECT_FALSE(invisible(box + visible)) << "box" << visible;

    EXPECT_EQ(content(box + "/_.hidden"), "dot");
    EXPECT_EQ(content(box + "/notes"), "notes");
    const FolderItemPtr notes = FolderItem::fromPosixPath(box + "/notes");
    EXPECT_EQ(notes->typeCode(), "TEXT");
    EXPECT_EQ(notes->creatorCode(), "ttxt");
    EXPECT_EQ(getXattr(box + "/notes", kFork), "fork bytes");
    EXPECT_EQ(getXattr(box + "/notes", "user.other"), "kept");
    // Folders take the source's dates after their contents were made and renamed.
    EXPECT_EQ(FolderItem::fromPosixPath(box)->modificationDate(), hd("box")->modificationDate());
    EXPECT_EQ(FolderItem::fromPosixPath(box + "/sub")->modificationDate(),
              hd("box/sub")->modificationDate());
    EXPECT_EQ(describe(m_hd + "/box"), m_sourceBefore) << "the source never changes";
}

TEST_F(VisibleCopy, SettingsDecideWhatIsCopiedAndHow) {
    const struct {
        const char* what;
        std::function<void(VisCopyWindow&)> set;
        QStringList inBox; // empty: no box at all
        QStringList inSub;
        bool boxInvisible;
    } cases[] = {
        {"empty prefix keeps dot names",
         [](VisCopyWindow& s) { s.PrefixField->setText(""); },
         {".hidden", "Tool.app", "notes", "sub"},
         {".inner"},
         false},
        {"visibility left alone",
         [](VisCopyWindow& s) { s.InvisCheck->setValue(false); },
         {"Tool.app", "_.hidden", "notes", "sub"},
         {"_.inner"},
         true},
        {"dot names left alone",
         [](VisCopyWindow& s) { s.DotCheck->setValue(false); },
         {".hidden", "Tool.app", "notes", "sub"},
         {".inner"},
         false},
        {"empty pattern, begins with",
         [](VisCopyWindow& s) {
             s.ExcludeList->addRow({"", "で始まる", "1"});
         },
         {},
         {},
         false},
        {"empty pattern, ends with",
         [](VisCopyWindow& s) {
             s.ExcludeList->addRow({"", "で終わる", "2"});
         },
         {},
         {},
         false},
        {"empty pattern, equal",
         [](VisCopyWindow& s) {
             s.ExcludeList->deleteAllRows();
             s.ExcludeList->addRow({"", "と一致", "0"});
         },
         {"Tool.app", "_.DS_Store", "_.hidden", "notes", "sub"},
         {"_.inner"},
         false},
        {"lower-case pattern",
         [](VisCopyWindow& s) { s.ExcludeList->setCell(0, 0, ".ds_store"); },
         {"Tool.app", "_.hidden", "notes", "sub"},
         {"_.inner"},
         false},
        {"exclusion switched off",
         [](VisCopyWindow& s) { s.ExcludeCheck->setValue(false); },
         {"Tool.app", "_.DS_Store", "_.hidden", "notes", "sub"},
         {"_.inner"},
         false},
        {"folder and its contents left out",
         [](VisCopyWindow& s) {
             s.ExcludeList->addRow({"su", "で始まる", "1"});
         },
         {"Tool.app", "_.hidden", "notes"},
         {},
         false},
    };
    for (const auto& c : cases) {
        v().DefaultButton->push();
        c.set(v());
        const QByteArray dest =
            m_tmp.folder(QByteArray("hd/to-") + QByteArray::number(qHash(c.what)));
        copyVisibly({"box"}, "OkButton", dest);
        if (c.inBox.isEmpty()) {
            EXPECT_EQ(namesIn(dest), QStringList{}) << c.what;
            continue;
        }
        EXPECT_EQ(namesIn(dest + "/box"), c.inBox) << c.what;
        if (!c.inSub.isEmpty()) {
            EXPECT_EQ(namesIn(dest + "/box/sub"), c.inSub) << c.what;
        }
        EXPECT_EQ(invisible(dest + "/box"), c.boxInvisible) << c.what;
        EXPECT_EQ(invisible(dest + "/box/notes"), c.boxInvisible) << c.what;
    }
    EXPECT_EQ(describe(m_hd + "/box"), m_sourceBefore);
}

TEST_F(VisibleCopy, ASiblingHoldingTheVisibleNameKeepsItAndTheDotNameStays) {
    m_tmp.file("hd/box/_.hidden", "underscore");
    m_tmp.folder("hd/box/sub/_.inner");
    copyVisibly({"box"}, "OkButton", m_dest);
    EXPECT_EQ(namesIn(m_dest + "/box"),
              (QStringList{".hidden", "Tool.app", "_.hidden", "notes", "sub"}));
    EXPECT_EQ(content(m_dest + "/box/.hidden"), "dot");
    EXPECT_EQ(content(m_dest + "/box/_.hidden"), "underscore");
    EXPECT_FALSE(invisible(m_dest + "/box/.hidden")) << "still made visible";
    EXPECT_EQ(namesIn(m_dest + "/box/sub"), (QStringList{".inner", "_.inner"}));
}

TEST_F(VisibleCopy, CancelCopiesNothingKeepsTheEditsAndLaterCopiesArePlain) {
    m_responder.prepare = [&](ModalWindow& window) {
        if (&window == &v())
            v().PrefixField->setText("vis-");
    };
    copyVisibly({"box"}, "CancelButton", m_dest);
    m_responder.prepare = nullptr;
    EXPECT_EQ(kinds(), std::vector<Kind>{Kind::Window}) << "no folder dialog after Cancel";
    EXPECT_EQ(namesIn(m_dest), QStringList{});
    EXPECT_FALSE(w().isVisCopy);
    EXPECT_EQ(v().PrefixField->text(), "vis-");

    m_responder.records.clear();
    copyVisibly({"box"}, "OkButton", ""); // the folder dialog cancelled
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder}));
    EXPECT_FALSE(w().isVisCopy);
    EXPECT_EQ(namesIn(m_dest), QStringList{});

    // The plain button afterwards copies as it is, dot names, .DS_Store and all.
    m_responder.records.clear();
    selectAtRoot({"box"});
    m_responder.answer(QString::fromUtf8(m_dest));
    w().InvisCopyButton_Action();
    EXPECT_EQ(kinds(), std::vector<Kind>{Kind::SelectFolder});
    EXPECT_EQ(namesIn(m_dest + "/box"),
              (QStringList{".DS_Store", ".hidden", "Tool.app", "notes", "sub"}));
    EXPECT_TRUE(invisible(m_dest + "/box/notes"));
    EXPECT_FALSE(v().visible());
}

TEST_F(VisibleCopy, ADotNamedCopyMeetsClashesUnderItsVisibleName) {
    m_tmp.file("hd/.profile", "new");
    // Into its own folder: the visible name is free, no question.
    copyVisibly({".profile"}, "OkButton", m_hd);
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder}));
    EXPECT_EQ(content(m_hd + "/_.profile"), "new");
    EXPECT_EQ(content(m_hd + "/.profile"), "new");
    // Again: the visible name is taken in the item's own folder; the copy goes beside it
    // under the suffixed visible name, still without a question.
    m_responder.records.clear();
    copyVisibly({".profile"}, "OkButton", m_hd);
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder}));
    EXPECT_EQ(content(m_hd + "/__001.profile"), "new");
    EXPECT_FALSE(invisible(m_hd + "/__001.profile"));

    // Elsewhere, an earlier visible copy is what the clash dialog is about.
    const struct {
        const char* button;
        QStringList names;
        QByteArray visibleContent;
    } answers[] = {
        {"AddNewButton", {"_.profile", "__001.profile"}, "old"},
        {"ReplaceButton", {"_.profile"}, "new"},
        {"CancelButton", {"_.profile"}, "old"},
    };
    for (const auto& a : answers) {
        const QByteArray dest = m_tmp.folder(QByteArray("hd/clash-") + a.button);
        m_tmp.file(QByteArray("hd/clash-") + a.button + "/_.profile", "old");
        setXattr(m_hd + "/.profile", kInfo, finderInfo(kInvisible));
        m_responder.records.clear();
        selectAtRoot({".profile"});
        m_input.mods = kCommandKey;
        w().OptCopyBtnState();
        m_responder.answer("OkButton");
        m_responder.answer(QString::fromUtf8(dest));
        m_responder.answer(a.button);
        w().InvisCopyButton_Action();
        EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder, Kind::Window}))
            << a.button;
        EXPECT_EQ(namesIn(dest), a.names) << a.button << ": no TmpFldr or temporary left";
        EXPECT_EQ(content(dest + "/_.profile"), a.visibleContent) << a.button;
        if (a.names.contains("__001.profile")) {
            EXPECT_EQ(content(dest + "/__001.profile"), "new");
            EXPECT_FALSE(invisible(dest + "/__001.profile"));
        }
        EXPECT_TRUE(invisible(m_hd + "/.profile")) << "the source keeps its flag";
    }
}

TEST_F(VisibleCopy, FailuresLeaveNothingAndTheSourceAlone) {
    // A dot name as long as names go: with the prefix it is one byte too long.
    const QByteArray longName = "." + QByteArray(254, 'n');
    m_tmp.file("hd/" + longName, "long");
    copyVisibly({QString::fromLatin1(longName)}, "OkButton", m_dest);
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder}));
    EXPECT_EQ(namesIn(m_dest), QStringList{});
    EXPECT_EQ(content(m_hd + "/" + longName), "long");

    // A socket cannot be copied: replacing an earlier copy with it keeps the earlier one.
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray socketPath = m_hd + "/.sock";
    std::strncpy(addr.sun_path, socketPath.constData(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    m_tmp.file("hd/Dest/_.sock", "earlier");
    selectAtRoot({".sock"});
    m_input.mods = kCommandKey;
    w().OptCopyBtnState();
    m_responder.answer("OkButton");
    m_responder.answer(QString::fromUtf8(m_dest));
    m_responder.answer("ReplaceButton");
    m_responder.records.clear();
    w().InvisCopyButton_Action();
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::Window, Kind::SelectFolder, Kind::Window}));
    EXPECT_EQ(namesIn(m_dest), QStringList{"_.sock"});
    EXPECT_EQ(content(m_dest + "/_.sock"), "earlier");
    ::close(s);
    EXPECT_FALSE(w().isVisCopy);
}

TEST_F(VisibleCopy, CancelledInTheProgressWindowLeavesNothing) {
    // Sparse, so that making it costs nothing; copying it still takes a while.
    const QByteArray large = m_hd + "/box/large";
    const int fd = ::open(large.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, qint64(8) * 1024 * 1024 * 1024), 0);
    ::close(fd);
    m_sourceBefore = describe(m_hd + "/box");
    bool cancelled = false;
    QTimer::singleShot(CopyRunner::kWindowDelay + 300, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == CopyProgressWindow::kObjectName && window->isVisible()) {
                window->findChild<QPushButton*>()->click();
                cancelled = true;
            }
        }
    });
    copyVisibly({"box"}, "OkButton", m_dest);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(namesIn(m_dest), QStringList{}) << "nothing of the copy is left";
    EXPECT_EQ(describe(m_hd + "/box"), m_sourceBefore);
    EXPECT_FALSE(w().isVisCopy);
}

} // namespace
