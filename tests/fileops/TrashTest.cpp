#include "platform/fs/Trash.h"
#include "fileops/TrashWindowFixture.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/TextField.h"
#include "support/MountNamespace.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <unistd.h>

namespace {

const QString kReally = QStringLiteral("本当によろしいですか。");
const QString kDanger = QStringLiteral("システム予約項目があります。削除は危険です。");

class TrashCommands : public TrashWindow {
  protected:
    void SetUp() override {
        TrashWindow::SetUp();
        m_tmp.file("hd/home/a.txt", "a");
        m_tmp.file("hd/home/b.txt", "b");
        m_tmp.folder("hd/home/dir");
        m_tmp.file("hd/home/dir/inner", "inner");
        listHome();
        setWriting(true);
    }
};

} // namespace

TEST_F(TrashCommands, CommandClickMovesTheSelectionAfterAsking) {
    selectNames({"a.txt", "dir"});
    m_responder.answer("OkButton");
    clickTrash(kCommandKey);
    const Shown shown = lastDialog();
    EXPECT_EQ(shown.title, QStringLiteral("ゴミ箱への移動の確認"));
    EXPECT_EQ(shown.contents, "a.txt\ndir\n");
    EXPECT_EQ(shown.question, QStringLiteral("上記の全項目をゴミ箱へ移動します。\r") + kReally);
    EXPECT_EQ(trashFiles(), (QStringList{"a.txt", "dir"}));
    EXPECT_EQ(trashInfo(), (QStringList{"a.txt.trashinfo", "dir.trashinfo"}));
    EXPECT_EQ(pathLine("dir"), "Path=" + m_home + "/dir");
    EXPECT_EQ(names(), (QStringList{"b.txt"}));
}

TEST_F(TrashCommands, TheQuestionFollowsTheSwitchAndTheCount) {
    // Cancelled: nothing moves and the list is not refreshed.
    selectNames({"a.txt"});
    m_responder.answer("CancelButton");
    clickTrash(kCommandKey);
    EXPECT_EQ(lastDialog().question,
              QStringLiteral("上記の項目をゴミ箱へ移動します。\r") + kReally);
    EXPECT_TRUE(present(m_home + "/a.txt"));
    EXPECT_FALSE(present(m_trash));

    // Without the confirmation switch: no question.
    setReport(false);
    const size_t before = dialogs();
    clickTrash(kCommandKey);
    EXPECT_EQ(dialogs(), before);
    EXPECT_EQ(trashFiles(), QStringList{"a.txt"});
}

TEST_F(TrashCommands, ANameClashInTheTrashGivesASuffixedNameAndTheOldPath) {
    setReport(false);
    m_tmp.file("hd/home/._a.txt", "companion");
    selectNames({"a.txt"});
    clickTrash(kCommandKey);
    m_tmp.file("hd/home/a.txt", "second");
    m_tmp.file("hd/home/._a.txt", "second companion");
    w().ResetFileListBox(nullptr, false);
    selectNames({"a.txt"});
    clickTrash(kCommandKey);
    EXPECT_EQ(trashFiles(), (QStringList{"._a.txt", "._a_001.txt", "a.txt", "a_001.txt"}));
    EXPECT_EQ(pathLine("a_001.txt"), "Path=" + m_home + "/a.txt");
    EXPECT_EQ(pathLine("._a_001.txt"), "Path=" + m_home + "/._a.txt");
    EXPECT_FALSE(present(m_home + "/a.txt"));
    EXPECT_FALSE(present(m_home + "/._a.txt"));
}

TEST_F(TrashCommands, DirectDeletionAlwaysAsks) {
    setReport(false);
    // A link inside goes as a link: what it points to stays.
    m_tmp.file("hd/kept.txt", "kept");
    ASSERT_EQ(::symlink((m_hd + "/kept.txt").constData(), (m_home + "/dir/link").constData()), 0);
    selectNames({"a.txt", "dir"});
    m_responder.answer("OkButton");
    clickTrash(kCommandKey | kOptionKey);
    const Shown shown = lastDialog();
    EXPECT_EQ(shown.title, QStringLiteral("削除の確認"));
    EXPECT_EQ(shown.question,
              QStringLiteral("上記の全項目をゴミ箱に移さず、直接削除します。\r") + kReally);
    EXPECT_FALSE(present(m_home + "/a.txt"));
    EXPECT_FALSE(present(m_home + "/dir"));
    EXPECT_FALSE(present(m_trash));
    EXPECT_EQ(names(), (QStringList{"b.txt"}));
    EXPECT_TRUE(present(m_hd + "/kept.txt"));
}

TEST_F(TrashCommands, AReservedItemForcesTheQuestionWithItsWarning) {
    setReport(false);
    m_tmp.folder("hd/home/Documents");
    w().ResetFileListBox(nullptr, false);
    selectNames({QStringLiteral("書類"), "b.txt"});
    const struct {
        int keys;
        QString title, question;
    } cases[] = {
        {kCommandKey, QStringLiteral("ゴミ箱への移動の確認"),
         QStringLiteral("上記の全項目をゴミ箱へ移動します。\r") + kDanger},
        {kCommandKey | kOptionKey, QStringLiteral("削除の確認"),
         QStringLiteral("上記の全項目をゴミ箱に移さず、直接削除します。\r") + kDanger},
    };
    for (const auto& c : cases) {
        m_responder.answer("CancelButton");
        clickTrash(c.keys);
        const Shown shown = lastDialog();
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.contents, QStringLiteral("b.txt\n書類\n"));
        EXPECT_EQ(shown.question, c.question);
        EXPECT_TRUE(present(m_home + "/Documents"));
        EXPECT_TRUE(present(m_home + "/b.txt"));
    }
}

TEST_F(TrashCommands, OtherModesAndAnEmptySelectionDoNothing) {
    setReport(false);
    selectNames({"a.txt"});
    const QStringList before = names();
    for (int keys :
         {kShiftKey, kOptionKey, kShiftKey | kOptionKey, kShiftKey | kCommandKey | kOptionKey}) {
        clickTrash(keys);
        EXPECT_EQ(names(), before) << keys;
    }
    list().deselectAll();
    w().saveListState();
    clickTrash(kCommandKey);
    clickTrash(kCommandKey | kOptionKey);
    EXPECT_TRUE(m_responder.records.empty());
    EXPECT_TRUE(present(m_home + "/a.txt"));
    EXPECT_FALSE(present(m_trash));
    EXPECT_EQ(w().curBase, 0);
}

TEST_F(TrashCommands, APlainClickShowsTheTrashOnceItExists) {
    // No trash yet: nothing to show, and looking makes none.
    clickTrash(0);
    EXPECT_EQ(w().curBase, 0);
    EXPECT_FALSE(present(m_trash));

    setReport(false);
    selectNames({"a.txt"});
    clickTrash(kCommandKey);
    clickTrash(0);
    ASSERT_EQ(w().curBase, 1);
    EXPECT_EQ(w().baseFolder[1]->posixPath(), m_trash + "/files");
    EXPECT_EQ(names(), QStringList{"a.txt"});
    // Already the base folder: no new position.
    clickTrash(0);
    EXPECT_EQ(w().curBase, 1);
    EXPECT_EQ(w().baseFolder.size(), 2u);
}

TEST_F(TrashCommands, EmptyingAlwaysAsksAndLeavesFilesAndInfoEmpty) {
    setReport(false);
    // Nothing in the trash: no question at all.
    clickTrash(kCommandKey | kShiftKey);
    EXPECT_TRUE(m_responder.records.empty());

    m_tmp.file("hd/home/._a.txt", "companion");
    m_tmp.folder("hd/elsewhere");
    m_tmp.file("hd/elsewhere/kept.txt", "kept");
    ASSERT_EQ(::symlink((m_hd + "/elsewhere").constData(), (m_home + "/dir/link").constData()), 0);
    w().ResetFileListBox(nullptr, false);
    selectNames({"a.txt", "dir"});
    clickTrash(kCommandKey);
    m_tmp.file("hd/home/.local/share/Trash/info/orphan.trashinfo", "[Trash Info]\n");
    m_responder.answer("CancelButton");
    clickTrash(kCommandKey | kShiftKey);
    Shown shown = lastDialog();
    EXPECT_EQ(shown.title, QStringLiteral("ゴミ箱を空にする"));
    EXPECT_EQ(
        shown.question,
        QStringLiteral("ゴミ箱にある 3個の項目（上記リスト表示分）を削除します。よろしいですか。"));
    QStringList listed = shown.contents.split('\n', Qt::SkipEmptyParts);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"._a.txt", "a.txt", "dir"}));
    EXPECT_EQ(trashFiles().size(), 3);

    m_responder.answer("OkButton");
    clickTrash(kCommandKey | kShiftKey);
    EXPECT_EQ(trashFiles(), QStringList{});
    EXPECT_EQ(trashInfo(), QStringList{});
    EXPECT_EQ(names(), (QStringList{"b.txt"}));
    EXPECT_EQ(entries(m_hd + "/elsewhere"), QStringList{"kept.txt"});
}

TEST_F(TrashCommands, TheMenuOffersWhatCanBeDoneAndItsRowsAct) {
    setReport(false);
    const QStringList offWithNothing = {
        QStringLiteral("(1) ゴミ箱表示"), QStringLiteral("(x) 選択項目をゴミ箱へ移動"),
        QStringLiteral("(x) ゴミ箱を空にする"), QStringLiteral("(x) 選択項目を即、削除")};
    setWriting(false);
    selectNames({"a.txt"});
    m_responder.answer(offWithNothing[1]);
    clickTrash(kControlKey);
    ASSERT_FALSE(m_responder.records.empty());
    EXPECT_EQ(m_responder.records.back().kind, ModalRecord::Kind::ContextualMenu);
    EXPECT_EQ(m_responder.records.back().texts, offWithNothing);
    EXPECT_EQ(w().contextJob, QStringLiteral("trashProc"));
    EXPECT_TRUE(present(m_home + "/a.txt")); // an "x" row does nothing
    EXPECT_FALSE(present(m_trash));          // and looking the trash up made none

    setWriting(true);
    selectNames({"a.txt"});
    m_responder.answer(QStringLiteral("(2) 選択項目をゴミ箱へ移動"));
    clickTrash(kControlKey);
    EXPECT_EQ(m_responder.records.back().texts,
              (QStringList{offWithNothing[0], QStringLiteral("(2) 選択項目をゴミ箱へ移動"),
                           QStringLiteral("(x) ゴミ箱を空にする"),
                           QStringLiteral("(4) 選択項目を即、削除")}));
    EXPECT_EQ(trashFiles(), QStringList{"a.txt"});

    // Nothing selected, the trash holds an item: only showing and emptying act.
    list().deselectAll();
    w().saveListState();
    m_responder.answer(QStringLiteral("(1) ゴミ箱表示"));
    clickTrash(kControlKey);
    EXPECT_EQ(m_responder.records.back().texts,
              (QStringList{offWithNothing[0], offWithNothing[1],
                           QStringLiteral("(3) ゴミ箱を空にする"), offWithNothing[3]}));
    EXPECT_EQ(w().curBase, 1);
    m_responder.answer(QStringLiteral("(3) ゴミ箱を空にする"));
    m_responder.answer("OkButton");
    clickTrash(kControlKey);
    EXPECT_EQ(trashFiles(), QStringList{});
}

TEST_F(TrashCommands, DropsFromOutsideGoInTheTrashAndItsOwnItemsAreIgnored) {
    m_tmp.folder("hd/elsewhere");
    m_tmp.file("hd/elsewhere/dropped.txt", "d");
    m_tmp.file("other/far.txt", "far");
    const FolderItemPtr dropped = hd("elsewhere/dropped.txt");

    EXPECT_TRUE(w().TrashButton->acceptsFileDrops());
    setWriting(false);
    w().TrashButton_DropObject({dropped});
    EXPECT_TRUE(m_responder.records.empty());
    EXPECT_TRUE(present(m_tmp.path() + "/hd/elsewhere/dropped.txt"));

    setWriting(true);
    m_responder.answer("OkButton");
    w().TrashButton_DropObject({dropped, hd("elsewhere/dropped.txt")});
    Shown shown = lastDialog();
    EXPECT_EQ(shown.title, QStringLiteral("ゴミ箱への移動の確認"));
    EXPECT_EQ(shown.contents, "dropped.txt\n"); // the same item twice counts once
    EXPECT_EQ(shown.question, QStringLiteral("上記の項目をゴミ箱へ移動します。\r") + kReally);
    EXPECT_EQ(trashFiles(), QStringList{"dropped.txt"});
    EXPECT_EQ(pathLine("dropped.txt"), "Path=" + m_tmp.path() + "/hd/elsewhere/dropped.txt");

    // The trash itself and what lies in it: nothing happens at all.
    const size_t before = m_responder.records.size();
    const FolderItemPtr files = hd("home/.local/share/Trash/files");
    w().TrashButton_DropObject({files, hd("home/.local/share/Trash/files/dropped.txt"), nullptr});
    EXPECT_EQ(m_responder.records.size(), before);
    EXPECT_EQ(trashFiles(), QStringList{"dropped.txt"});

    // From another volume: the move is refused, and the item keeps its name.
    setReport(false);
    m_tmp.file("other/dropped.txt", "other");
    w().TrashButton_DropObject({other("dropped.txt"), other("far.txt")});
    EXPECT_EQ(entries(m_other), (QStringList{"dropped.txt", "far.txt"}));
    EXPECT_EQ(trashFiles(), QStringList{"dropped.txt"});
    EXPECT_FALSE(w().nowDragging);

    // As another program drops it: file URLs onto the button's widget.
    m_tmp.file("hd/elsewhere/url.txt", "u");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QFile::decodeName(m_hd + "/elsewhere/url.txt"))});
    // Qt delivers a drop to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w().TrashButton->widget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w().TrashButton->widget(), &drop);
    EXPECT_EQ(trashFiles(), (QStringList{"dropped.txt", "url.txt"}));
}

// A read-only folder: moving into the trash and deleting are refused without a word,
// the list still shows the items, and the trash keeps no info file for them.
TEST_F(TrashCommands, RefusalsAreSilentAndLeaveNothingBehind) {
    CS_IN_MOUNT_NAMESPACE();
    m_tmp.folder("hd/home/locked");
    m_tmp.file("hd/home/locked/f.txt", "f");
    m_tmp.file("hd/home/locked/._f.txt", "companion");
    MountNamespace::Mount readOnly;
    ASSERT_TRUE(readOnly.bind(m_home + "/locked", m_home + "/locked", true));
    listFolder("home/locked");
    setReport(false);
    selectNames({"f.txt"});
    clickTrash(kCommandKey);
    EXPECT_TRUE(m_responder.records.empty());
    EXPECT_EQ(entries(m_home + "/locked"), (QStringList{"._f.txt", "f.txt"}));
    EXPECT_EQ(trashFiles(), QStringList{});
    EXPECT_EQ(trashInfo(), QStringList{});

    m_responder.answer("OkButton");
    selectNames({"f.txt"});
    clickTrash(kCommandKey | kOptionKey);
    EXPECT_EQ(m_responder.records.size(), 1u); // the question, no report of the refusal
    EXPECT_EQ(entries(m_home + "/locked"), (QStringList{"._f.txt", "f.txt"}));
    EXPECT_EQ(names(), QStringList{"f.txt"});
}

TEST_F(TrashCommands, ADragFromOutsideOverTheButtonShowsWhereItWouldGo) {
    m_input.button = true;
    setWriting(false);
    w().TrashButton_MouseEnter();
    EXPECT_FALSE(w().DestDispField->visible());
    setWriting(true);
    w().TrashButton_MouseEnter();
    EXPECT_TRUE(w().DestDispField->visible());
    EXPECT_EQ(w().DestDispField->text(), QStringLiteral("ゴミ箱へ移動"));
    w().TrashButton_MouseExit();
    EXPECT_FALSE(w().DestDispField->visible());
    m_input.button = false;
    w().TrashButton_MouseEnter(); // a mere pass of the pointer
    EXPECT_FALSE(w().DestDispField->visible());
}
