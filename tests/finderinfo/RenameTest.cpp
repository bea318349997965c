#include "EditingFixture.h"

#include "dialogs/answers.h"
#include "finderinfo/InputWindow.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "support/ScopedHome.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <unistd.h>

namespace {

const QString kInstruction = QStringLiteral("変更希望の名称を入力して下さい。");
const QString kCaution =
    QStringLiteral("この名称はシステムで準備されたもののようです。変更しない方がよいと思われます。");

class Rename : public Editing {
protected:
    // Selects the row, types the new name (none: leaves the field as it is) and pushes
    // the dialog's button; returns the texts the dialog showed.
    QStringList rename(const QString& row, const std::optional<QString>& typed,
                       const QString& button = QStringLiteral("OkButton"))
    {
        select({row});
        w().CopyCheckBox->setValue(true);
        m_responder.prepare = [typed](ModalWindow& window) {
            if (auto* dialog = dynamic_cast<InputWindow*>(&window); dialog && typed)
                dialog->newName->setText(*typed);
        };
        m_responder.answer(button);
        const size_t before = m_responder.records.size();
        w().NameChangeButton->push();
        return m_responder.records.size() > before ? m_responder.records.back().texts : QStringList();
    }
};

QStringList entries(const QByteArray& folder)
{
    QStringList out;
    FolderItemPtr item = FolderItem::fromPosixPath(folder);
    for (int i = 1, n = item->count(); i <= n; ++i)
        out << item->item(i)->name();
    out.sort();
    return out;
}

} // namespace

TEST_F(Rename, ReturnInTheNewNameAcceptsWithoutALineBreak)
{
    InputWindow dialog;
    dialog.newName->setText(QStringLiteral("typed.txt"));
    globals::retOk = false;
    QTest::keyClick(dialog.newName->widget(), Qt::Key_Return);
    EXPECT_TRUE(globals::retOk);
    EXPECT_EQ(globals::newFilename, QStringLiteral("typed.txt"));
    EXPECT_EQ(dialog.newName->text(), QStringLiteral("typed.txt"));
    EXPECT_FALSE(dialog.newName_KeyDown(QString(QChar(3)))) << "Enter is left to the field";
}

TEST_F(Rename, OnlyAFreeValidNameRenames)
{
    struct Case {
        const char* label;
        QString row;
        std::optional<QString> typed;
        QString button;
        QStringList after;
    };
    const Case cases[] = {
        {"renamed", "a.txt", QStringLiteral("c.txt"), "OkButton", {"b.txt", "c.txt"}},
        {"taken name refused", "a.txt", QStringLiteral("b.txt"), "OkButton", {"a.txt", "b.txt"}},
        {"slash refused", "a.txt", QStringLiteral("x/b.txt"), "OkButton", {"a.txt", "b.txt"}},
        {"empty refused", "a.txt", QString(), "OkButton", {"a.txt", "b.txt"}},
        {"unchanged", "a.txt", std::nullopt, "OkButton", {"a.txt", "b.txt"}},
        {"cancelled", "a.txt", QStringLiteral("c.txt"), QStringLiteral("中止"), {"a.txt", "b.txt"}},
    };
    for (const Case& c : cases) {
        m_tmp.folder("hd/r");
        m_tmp.file("hd/r/a.txt", "first");
        m_tmp.file("hd/r/b.txt", "second");
        m_tmp.folder("hd/r/x");
        listFolder("r");
        globals::newFilename = QStringLiteral("before");
        rename(c.row, c.typed, c.button);
        QStringList expected = c.after;
        expected << "x";
        expected.sort();
        EXPECT_EQ(entries(m_hd + "/r"), expected) << c.label;
        EXPECT_TRUE(entries(m_hd + "/r/x").isEmpty()) << c.label;
        // The item that was there keeps its bytes; a refused name replaced nothing.
        FolderItemPtr b = hd("r/b.txt");
        EXPECT_EQ(b->dataForkSize(), 6) << c.label;
        QStringList listed;
        for (int row = 0; row < list().rowCount(); ++row)
            listed << list().row(row).name;
        listed.sort();
        EXPECT_EQ(listed, expected) << c.label << ": the list shows what the disk holds";
        if (c.button != "OkButton") {
            EXPECT_EQ(globals::newFilename, QStringLiteral("before")) << c.label;
        }
        hd("r")->deleteItem();
    }
}

TEST_F(Rename, AnAliasIsRenamedItselfAndItsOriginalStays)
{
    m_tmp.folder("hd/s");
    m_tmp.file("hd/s/original.txt", "data");
    ASSERT_EQ(::symlink((m_hd + "/s/original.txt").constData(), (m_hd + "/s/alias").constData()), 0);
    listFolder("s");
    const QStringList shown = rename("alias", QStringLiteral("alias 2"));
    EXPECT_TRUE(shown.contains("alias")) << "the dialog shows the alias file's own name";
    EXPECT_TRUE(hd("s/alias 2")->isSymlink());
    EXPECT_FALSE(exists("s/alias"));
    EXPECT_TRUE(exists("s/original.txt"));
}

TEST_F(Rename, AnInvisibleItemStaysInvisible)
{
    m_tmp.folder("hd/i");
    m_tmp.file("hd/i/secret");
    setXattr(m_hd + "/i/secret", "user.com.apple.FinderInfo", finderInfo(0x4000, "TEXT", "ttxt"));
    listFolder("i");
    rename("secret", QStringLiteral("still secret"));
    const FolderItemPtr renamed = hd("i/still secret");
    ASSERT_TRUE(renamed->exists());
    EXPECT_FALSE(renamed->visible());
    EXPECT_EQ(renamed->typeCode(), QByteArray("TEXT"));
    EXPECT_TRUE(list().row(rowNamed("still secret")).underline);
}

TEST_F(Rename, ANameThatIsNotUtf8SurvivesAcceptingItUnchanged)
{
    m_tmp.folder("hd/j");
    const QByteArray sjis("\x83\x65\x83\x58\x83\x67.txt"); // Shift-JIS "テスト.txt"
    m_tmp.file("hd/j/" + sjis);
    listFolder("j");
    ASSERT_EQ(list().rowCount(), 1);
    rename(list().row(0).name, std::nullopt);
    EXPECT_TRUE(exists("j/" + sjis));
    EXPECT_EQ(entries(m_hd + "/j").size(), 1);
}

TEST_F(Rename, ASystemFolderShowsTheCautionAndCanStillBeRenamed)
{
    m_tmp.folder("hd/home");
    m_tmp.folder("hd/home/Documents");
    m_tmp.folder("hd/home/Work");
    const QByteArray home = FolderItem::fromPosixPath(m_hd + "/home")->posixPath();
    ScopedHome scoped(home);
    listFolder("home");

    const QStringList plain = rename("Work", std::nullopt);
    EXPECT_TRUE(plain.contains(kInstruction));
    EXPECT_FALSE(plain.contains(kCaution));

    const int documents = rowNamed(QStringLiteral("書類"));
    ASSERT_GE(documents, 0);
    const QStringList reserved = rename(QStringLiteral("書類"), QStringLiteral("Papers"));
    EXPECT_TRUE(reserved.contains(kCaution));
    EXPECT_FALSE(reserved.contains(kInstruction));
    EXPECT_TRUE(reserved.contains("Documents")) << "the file-system name, not the shown one";
    EXPECT_TRUE(exists("home/Papers"));
}

// A name pasted with its line break (copied from a terminal or a listing) renames the
// item to the name alone, whether the paste replaces the name or is dropped onto it.
TEST_F(Rename, APastedNameNeverReceivesALineBreak)
{
    const std::pair<const char*, std::function<void(InputWindow&)>> arrivals[] = {
        {"pasted", [](InputWindow& d) {
             d.newName->setFocus();
             d.newName->selectAll();
             QGuiApplication::clipboard()->setText(QStringLiteral("b.txt\n"));
             QTest::keyClick(d.newName->widget(), Qt::Key_V, Qt::ControlModifier);
         }},
        {"dropped", [](InputWindow& d) {
             d.newName->setText({});
             QMimeData data;
             data.setText(QStringLiteral("b.txt\n"));
             QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(d.newName->widget(), &enter);
             QApplication::sendEvent(d.newName->widget(), &drop);
         }},
    };
    for (const auto& [label, bring] : arrivals) {
        m_tmp.folder("hd/n");
        m_tmp.file("hd/n/a.txt", "first");
        listFolder("n");
        select({"a.txt"});
        w().CopyCheckBox->setValue(true);
        m_responder.prepare = [&](ModalWindow& window) {
            if (auto* dialog = dynamic_cast<InputWindow*>(&window)) {
                dialog->show();
                bring(*dialog);
            }
        };
        m_responder.answer(QStringLiteral("OkButton"));
        w().NameChangeButton->push();
        EXPECT_EQ(entries(m_hd + "/n"), QStringList({"b.txt"})) << label;
        EXPECT_EQ(globals::newFilename, QStringLiteral("b.txt")) << label;
        hd("n")->deleteItem();
    }
}

