#include "EditingFixture.h"

#include "finderinfo/TypeChangeWindow.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "support/Ink.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray kZero(4, '\0');

class TypeChange : public Editing {
protected:
    // A file with the given codes in the folder "t" of HD.
    void file(const QByteArray& name, const QByteArray& type, const QByteArray& creator)
    {
        m_tmp.folder("hd/t");
        m_tmp.file("hd/t/" + name, "content");
        setXattr(m_hd + "/t/" + name, "user.com.apple.FinderInfo", finderInfo(0, type, creator));
    }
    // Selects the rows and runs the command; inspect sees the dialog before button
    // (a name or caption) ends it. False when no dialog came up.
    bool run(const QStringList& rows, const std::function<void(TypeChangeWindow&)>& inspect,
             const QString& button = QStringLiteral("OkButton"))
    {
        listFolder("t");
        select(rows);
        w().TypeChangeCheck->setValue(true);
        bool shown = false;
        m_responder.prepare = [&](ModalWindow& window) {
            auto* dialog = dynamic_cast<TypeChangeWindow*>(&window);
            if (!dialog)
                return;
            shown = true;
            if (inspect)
                inspect(*dialog);
        };
        m_responder.answer(button);
        w().TypeChangeButton->push();
        return shown;
    }
    FolderItemPtr item(const QByteArray& name) const { return hd("t/" + name); }
};

QStringList popRows(const PopupMenu& pop)
{
    QStringList rows;
    for (int i = 0; i < pop.listCount(); ++i)
        rows << pop.list(i);
    return rows;
}

} // namespace

TEST_F(TypeChange, FoldersAreLeftOutWithTheWarning)
{
    file("f1", "TEXT", "ttxt");
    file("f2", "PDF ", "prvw");
    m_tmp.folder("hd/t/A folder");
    m_tmp.folder("hd/t/Pack.app");
    m_tmp.folder("hd/t/Pack.app/Contents");
    const bool shown = run({"A folder", "f1", "f2", "Pack.app"}, [](TypeChangeWindow& d) {
        EXPECT_EQ(d.numOfDeal->text(), "2");
        EXPECT_EQ(popRows(*d.SrcPop), QStringList({"f1", "f2"}));
        EXPECT_TRUE(d.warningText[0]->visible());
        EXPECT_FALSE(d.warningText[1]->visible());
        // The fields start from the first selected row, a folder here; the pop-up from
        // the first file.
        EXPECT_EQ(d.DstCr->text(), "MACS");
        EXPECT_EQ(d.DstTy->text(), "fold");
        EXPECT_EQ(d.SrcCr->text(), "ttxt");
        EXPECT_EQ(d.SrcTy->text(), "TEXT");
        d.SrcPop->setListIndex(1);
        EXPECT_EQ(d.SrcCr->text(), "prvw");
    }, QStringLiteral("キャンセル"));
    EXPECT_TRUE(shown);
    EXPECT_EQ(item("f2")->creatorCode(), QByteArray("prvw")) << "cancel changes nothing";
}

TEST_F(TypeChange, OnlyFoldersBringNoDialog)
{
    m_tmp.folder("hd/t");
    m_tmp.folder("hd/t/one");
    m_tmp.folder("hd/t/two");
    EXPECT_FALSE(run({"one", "two"}, nullptr));
    EXPECT_TRUE(m_responder.records.empty());
    EXPECT_FALSE(w().typeChangeWindow().visible());
}

TEST_F(TypeChange, SystemCodesWarnInAnyCase)
{
    const struct {
        QByteArray type, creator;
        bool warns;
    } cases[] = {
        {"TEXT", "MACS", true}, {"TEXT", "macs", true}, {"APPL", "ttxt", true},
        {"appl", "ttxt", true}, {"TEXT", "ttxt", false}, {"APPX", "MAC ", false},
    };
    for (const auto& c : cases) {
        file("x", c.type, c.creator);
        bool warned = false;
        run({"x"}, [&](TypeChangeWindow& d) { warned = d.warningText[1]->visible(); },
            QStringLiteral("CancelButton"));
        EXPECT_EQ(warned, c.warns) << c.type.constData() << "/" << c.creator.constData();
    }
}

TEST_F(TypeChange, SeveralFilesEndWithOnePairAndKeepTheirDates)
{
    file("a", "TEXT", "ttxt");
    file("b", "PDF ", "prvw");
    file("c", kZero, kZero);
    struct stat before[3];
    const char* names[] = {"a", "b", "c"};
    for (int i = 0; i < 3; ++i) {
        const timespec old[2] = {{1000000000, 5}, {1000000000, 123456789}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (m_hd + "/t/" + names[i]).constData(), old, 0), 0);
        ASSERT_EQ(::stat((m_hd + "/t/" + names[i]).constData(), &before[i]), 0);
    }
    EXPECT_TRUE(run({"a", "b", "c"}, nullptr));
    for (int i = 0; i < 3; ++i) {
        const FolderItemPtr f = item(names[i]);
        EXPECT_EQ(f->creatorCode(), QByteArray("ttxt")) << names[i];
        EXPECT_EQ(f->typeCode(), QByteArray("TEXT")) << names[i];
        struct stat after;
        ASSERT_EQ(::stat(f->posixPath().constData(), &after), 0);
        EXPECT_EQ(after.st_mtim.tv_sec, before[i].st_mtim.tv_sec) << names[i];
        EXPECT_EQ(after.st_mtim.tv_nsec, before[i].st_mtim.tv_nsec) << names[i];
        EXPECT_EQ(after.st_size, before[i].st_size) << names[i];
    }
    EXPECT_EQ(list().cellText(rowNamed("c"), 4), "ttxt") << "the list shows the new codes";
}

TEST_F(TypeChange, TypedZeroInAnyCaseWritesTheZeroCode)
{
    file("z", "TEXT", "ttxt");
    run({"z"}, [](TypeChangeWindow& d) {
        d.DstCr->setText("(ZERO)");
        d.DstTy->setText("(Zero)");
    });
    EXPECT_EQ(item("z")->creatorCode(), kZero);
    EXPECT_EQ(item("z")->typeCode(), kZero);

    // A zero code shows as "(zero)" and goes back as zero.
    file("z", kZero, "ttxt");
    run({"z"}, [](TypeChangeWindow& d) {
        EXPECT_EQ(d.SrcTy->text(), "(zero)");
        EXPECT_EQ(d.DstTy->text(), "(zero)");
        d.DstCr->setText("abcd");
    });
    EXPECT_EQ(item("z")->creatorCode(), QByteArray("abcd"));
    EXPECT_EQ(item("z")->typeCode(), kZero);
}

TEST_F(TypeChange, ControlCharacterCodesAreKeptNotReplacedByTheirBullets)
{
    const QByteArray creator("\x01\x02" "ab", 4), type("ab\0\x7f", 4);
    file("ctl", type, creator);
    file("other", "TEXT", "ttxt");
    run({"ctl", "other"}, [](TypeChangeWindow& d) {
        EXPECT_EQ(d.DstCr->text(), QStringLiteral("••ab"));
        EXPECT_EQ(d.SrcTy->text(), QStringLiteral("ab••"));
    });
    for (const char* name : {"ctl", "other"}) {
        EXPECT_EQ(item(name)->creatorCode(), creator) << name;
        EXPECT_EQ(item(name)->typeCode(), type) << name;
    }
}

TEST_F(TypeChange, ATextThatIsNoCodeIsNotWritten)
{
    file("n", "TEXT", "ttxt");
    run({"n"}, [](TypeChangeWindow& d) {
        d.DstCr->setText("toolong");
        d.DstTy->setText("€€€€"); // Mac Roman has the euro sign at 0xDB
    });
    EXPECT_EQ(item("n")->creatorCode(), QByteArray("ttxt"));
    EXPECT_EQ(item("n")->typeCode(), QByteArray("\xDB\xDB\xDB\xDB"));
}

TEST_F(TypeChange, DropsAndBrowsingFillTheirFields)
{
    file("target", "TEXT", "ttxt");
    file("src1", "PDF ", "prvw");
    file("src2", "JPEG", "8BIM");
    const FolderItemPtr src1 = item("src1"), src2 = item("src2");
    const QString path = QString::fromUtf8(src1->posixPath());
    struct Case {
        const char* label;
        std::function<void(TypeChangeWindow&)> act;
        std::optional<QString> browsed; // the open-file dialog's answer
        QByteArray creator, type;
    };
    const Case cases[] = {
        {"creator field", [&](TypeChangeWindow& d) { d.DstCr->dropObject({src1}); }, {}, "prvw", "TEXT"},
        {"type field", [&](TypeChangeWindow& d) { d.DstTy->dropObject({src1}); }, {}, "ttxt", "PDF "},
        {"rectangle, first of two", [&](TypeChangeWindow& d) { d.DestRect->dropObject({src2, src1}); },
         {}, "8BIM", "JPEG"},
        {"browse both", [&](TypeChangeWindow& d) { d.RefBoth->push(); }, path, "prvw", "PDF "},
        {"browse creator", [&](TypeChangeWindow& d) { d.RefCr->push(); }, path, "prvw", "TEXT"},
        {"browse type", [&](TypeChangeWindow& d) { d.RefTy->push(); }, path, "ttxt", "PDF "},
        {"browse cancelled", [&](TypeChangeWindow& d) { d.RefBoth->push(); }, QString(), "ttxt", "TEXT"},
        {"zero creator", [&](TypeChangeWindow& d) { d.ZeroCr->push(); }, {}, kZero, "TEXT"},
        {"zero type", [&](TypeChangeWindow& d) { d.ZeroTy->push(); }, {}, "ttxt", kZero},
    };
    for (const Case& c : cases) {
        setXattr(m_hd + "/t/target", "user.com.apple.FinderInfo", finderInfo(0, "TEXT", "ttxt"));
        listFolder("t");
        select({"target"});
        w().TypeChangeCheck->setValue(true);
        m_responder.prepare = [&](ModalWindow& window) {
            if (auto* d = dynamic_cast<TypeChangeWindow*>(&window))
                c.act(*d);
        };
        if (c.browsed)
            m_responder.answer(*c.browsed);
        m_responder.answer("OkButton");
        w().TypeChangeButton->push();
        EXPECT_EQ(item("target")->creatorCode(), c.creator) << c.label;
        EXPECT_EQ(item("target")->typeCode(), c.type) << c.label;
        EXPECT_EQ(item("src1")->creatorCode(), QByteArray("prvw")) << c.label;
    }
}

TEST_F(TypeChange, AnAliasHasItsOwnCodesChanged)
{
    file("original", "TEXT", "ttxt");
    m_tmp.folder("hd/t/dir");
    ASSERT_EQ(::symlink((m_hd + "/t/original").constData(), (m_hd + "/t/alias").constData()), 0);
    ASSERT_EQ(::symlink((m_hd + "/t/dir").constData(), (m_hd + "/t/dir alias").constData()), 0);
    listFolder("t");
    w().ExpandAliases->setValue(false);
    const bool shown = run({"alias", "dir alias"}, [](TypeChangeWindow& d) {
        EXPECT_EQ(d.numOfDeal->text(), "2") << "an alias of a folder is a file here";
        EXPECT_FALSE(d.warningText[0]->visible());
        d.DstCr->setText("ALIS");
        d.DstTy->setText("alis");
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(item("alias")->creatorCode(), QByteArray("ALIS"));
    EXPECT_EQ(item("dir alias")->typeCode(), QByteArray("alis"));
    EXPECT_EQ(item("original")->creatorCode(), QByteArray("ttxt"));
    EXPECT_EQ(item("original")->typeCode(), QByteArray("TEXT"));
}

// A file dragged from another program arrives as a file URL at whatever widget lies
// under the pointer; each field must take it as its own, not as text to insert.
TEST_F(TypeChange, FilesDroppedFromAnotherProgramReachTheirTargets)
{
    file("target", "TEXT", "ttxt");
    file("src", "PDF ", "prvw");
    TypeChangeWindow& d = w().typeChangeWindow();
    d.show();
    const QList<QUrl> urls{QUrl::fromLocalFile(QString::fromUtf8(item("src")->posixPath()))};
    const struct {
        Control* target;
        QPoint at; // window coordinates
        QString creator, type;
    } cases[] = {
        {d.DstCr.get(), d.DstCr->bounds().center(), "prvw", "----"},
        {d.DstTy.get(), d.DstTy->bounds().center(), "----", "PDF "},
        {d.DestRect.get(), d.DestRect->bounds().center(), "prvw", "PDF "},
    };
    for (const auto& c : cases) {
        d.DstCr->setText("----");
        d.DstTy->setText("----");
        // Qt delivers a drop to the innermost widget under the pointer that takes drops.
        QWidget* surface = d.surface();
        QWidget* widget = surface->childAt(c.at);
        while (widget && !widget->acceptDrops())
            widget = widget->parentWidget();
        ASSERT_TRUE(widget) << "nothing under the pointer takes drops";
        QMimeData data;
        data.setUrls(urls);
        const QPointF local = widget->mapFrom(surface, c.at);
        QDragEnterEvent enter(local.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QDragMoveEvent move(local.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
        QDropEvent drop(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        EXPECT_EQ(d.DstCr->text(), c.creator) << c.target->name().toStdString();
        EXPECT_EQ(d.DstTy->text(), c.type) << c.target->name().toStdString();
    }
    d.hide();
}

// Codes pasted with a line break after them (copied from a listing, say) arrive without
// it: the files get the four characters, not five. The fields show their codes centred.
TEST_F(TypeChange, PastedCodesLoseTheirLineBreaksAndShowCentred)
{
    file("target", "TEXT", "ttxt");
    bool centred = false;
    ASSERT_TRUE(run({"target"}, [&](TypeChangeWindow& d) {
        d.show();
        for (TextField* field : {d.DstCr.get(), d.DstTy.get()}) {
            field->setFocus();
            field->selectAll();
            QGuiApplication::clipboard()->setText(field == d.DstCr.get() ? "prvw\n" : "PDF \r\n");
            QTest::keyClick(field->widget(), Qt::Key_V, Qt::ControlModifier);
        }
        QApplication::processEvents();
        centred = inkCentred(d.DstCr->widget()) && inkCentred(d.DstTy->widget());
        d.hide();
    }));
    EXPECT_TRUE(centred);
    EXPECT_EQ(item("target")->creatorCode(), QByteArray("prvw"));
    EXPECT_EQ(item("target")->typeCode(), QByteArray("PDF "));
}

