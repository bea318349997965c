#include "fileops/TrashWindowFixture.h"
#include "platform/gui/PushButton.h"

#include <unistd.h>

// The keys arrive as the platform delivers them (Qt key, Qt modifiers, text), so the
// mapping of Backspace, Delete and Alt+A is part of what is tested.
namespace {

class KeyCommands : public TrashWindow {
  protected:
    void SetUp() override {
        TrashWindow::SetUp();
        m_tmp.file("hd/home/a.txt");
        m_tmp.file("hd/home/b.txt");
        m_tmp.folder("hd/home/sub");
        for (const char* name : {"x", "y", "z"})
            m_tmp.file(QByteArray("hd/home/sub/") + name);
        m_tmp.folder("hd/home/sub2");
        for (const char* name : {"p", "q"})
            m_tmp.file(QByteArray("hd/home/sub2/") + name);
        ASSERT_EQ(::symlink((m_home + "/sub2").constData(), (m_home + "/link").constData()), 0);
        listHome();
    }

    bool key(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        return w().handleKey(qtKey, int(modifiers), text);
    }
    void expand(const QString& name) { list().setExpanded(rowNamed(name), true); }
    QStringList selectedNames() {
        QStringList out;
        for (int row : list().selectedRows())
            out << list().row(row).name;
        return out;
    }
};

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;

} // namespace

TEST_F(KeyCommands, CommandASelectsEveryRowAndWithShiftNone) {
    expand("sub");
    ASSERT_EQ(list().rowCount(), 8);
    EXPECT_FALSE(key(Qt::Key_A, kCtrl, "\x01"));
    EXPECT_EQ(list().selectedRows().size(), 8u);
    EXPECT_FALSE(key(Qt::Key_A, kCtrlShift, "\x01"));
    EXPECT_TRUE(list().selectedRows().empty());
}

TEST_F(KeyCommands, OptionASelectsTheListedItemsOfTheSelectedRowsFolders) {
    expand("sub");
    expand("sub2");
    selectNames({"y"});
    EXPECT_FALSE(key(Qt::Key_A, Qt::AltModifier, "a"));
    EXPECT_EQ(selectedNames(), (QStringList{"x", "y", "z"}));

    // Two folders: both fill up, in any order; rows elsewhere keep their state.
    selectNames({"p", "x"});
    key(Qt::Key_A, Qt::AltModifier, "a");
    QStringList selected = selectedNames();
    selected.sort();
    EXPECT_EQ(selected, (QStringList{"p", "q", "x", "y", "z"}));

    // A row of the base folder brings in the base folder's rows, not the sub-folders'.
    selectNames({"a.txt"});
    key(Qt::Key_A, Qt::AltModifier, "a");
    EXPECT_EQ(selectedNames(), (QStringList{"a.txt", "b.txt", "link", "sub", "sub2"}));
}

TEST_F(KeyCommands, CommandRJumpsOnlyFromASelectedAlias) {
    // The original, sub2, is listed here: the jump selects its row.
    selectNames({"a.txt"});
    key(Qt::Key_R, kCtrl, "\x12");
    EXPECT_EQ(selectedNames(), QStringList{"a.txt"});
    selectNames({"link"});
    key(Qt::Key_R, kCtrlShift, "\x12");
    EXPECT_EQ(selectedNames(), QStringList{"link"});
    key(Qt::Key_R, kCtrl, "\x12");
    EXPECT_EQ(selectedNames(), QStringList{"sub2"});
}

TEST_F(KeyCommands, DuplicateAndNewFolderKeysPressTheirButtonsOnlyWhenTheyMay) {
    int duplicates = 0, newFolders = 0, dupKeys = -1;
    w().InvisDupButton->onAction = [&] {
        ++duplicates;
        dupKeys = w().InvisDupButton->actionModifiers();
    };
    w().NewFolderButton->onAction = [&] { ++newFolders; };
    const struct {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        bool writing;
        QStringList selected;
        int duplicates, newFolders;
    } cases[] = {
        {Qt::Key_D, kCtrl, true, {"a.txt"}, 1, 0},
        {Qt::Key_D, kCtrlShift, true, {"a.txt"}, 0, 0},
        {Qt::Key_D, kCtrlAlt, true, {"a.txt"}, 0, 0},
        {Qt::Key_D, kCtrl, false, {"a.txt"}, 0, 0},
        {Qt::Key_N, kCtrlShift, true, {}, 0, 1},
        {Qt::Key_N, kCtrlShift, true, {"sub"}, 0, 1},
        {Qt::Key_N, kCtrlShift, true, {"a.txt", "b.txt"}, 0, 0},
        {Qt::Key_N, kCtrlShift | Qt::AltModifier, true, {}, 0, 0},
        {Qt::Key_N, kCtrl, true, {}, 0, 0},
        {Qt::Key_N, kCtrlShift, false, {}, 0, 0},
    };
    for (const auto& c : cases) {
        setWriting(c.writing);
        selectNames(c.selected);
        duplicates = newFolders = 0;
        EXPECT_FALSE(key(c.qtKey, c.modifiers, QString(QChar(c.qtKey - Qt::Key_A + 1))));
        EXPECT_EQ(duplicates, c.duplicates) << c.qtKey << " " << int(c.modifiers);
        EXPECT_EQ(newFolders, c.newFolders) << c.qtKey << " " << int(c.modifiers);
    }
    // Pressed as a plain click: the duplicate is not taken for an alias.
    EXPECT_EQ(dupKeys, 0);
}

TEST_F(KeyCommands, CommandDeleteMovesToTheTrashAndWithShiftEmptiesIt) {
    setWriting(true);
    setReport(false);
    selectNames({"a.txt"});
    EXPECT_FALSE(key(Qt::Key_Backspace, kCtrl));
    selectNames({"b.txt"});
    key(Qt::Key_Delete, kCtrl);
    EXPECT_EQ(trashFiles(), (QStringList{"a.txt", "b.txt"}));
    selectNames({"sub"});
    key(Qt::Key_Backspace, kCtrlAlt);
    key(Qt::Key_Backspace, Qt::NoModifier);
    EXPECT_TRUE(present(m_home + "/sub"));
    EXPECT_EQ(trashFiles(), (QStringList{"a.txt", "b.txt"}));

    m_responder.answer("OkButton");
    key(Qt::Key_Backspace, kCtrlShift);
    EXPECT_EQ(lastDialog().title, QStringLiteral("ゴミ箱を空にする"));
    EXPECT_EQ(trashFiles(), QStringList{});
    EXPECT_EQ(trashInfo(), QStringList{});
}

TEST_F(KeyCommands, WithWritingOffTheTrashKeysDoNothingButTheStateIsSaved) {
    setWriting(false);
    setReport(false);
    list().deselectAll();
    w().saveListState();
    list().setSelected(rowNamed("a.txt"), true); // selected, not saved yet
    key(Qt::Key_Backspace, kCtrl);
    key(Qt::Key_Backspace, kCtrlShift);
    EXPECT_TRUE(present(m_home + "/a.txt"));
    EXPECT_FALSE(present(m_trash));
    EXPECT_TRUE(m_responder.records.empty());
    const ListState& saved = w().selState[size_t(w().curBase)];
    ASSERT_EQ(saved.getCount(), 1);
    EXPECT_EQ(saved.getSelFI(0)->posixPath(), m_home + "/a.txt");
}
