#include "platform/gui/CheckBox.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/ModalWindow.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A small confirmation dialog like the program's own: a text, Cancel and OK.
struct AskWindow : ModalWindow {
    StaticText inquiry{*this, 20, 14, 240, 20, "プログラムを終了します。よろしいですか。"};
    PushButton cancel{*this, 80, 45, 70, 20, "いいえ"};
    PushButton ok{*this, 175, 45, 70, 20, "はい"};
    CheckBox applyAll{*this, 20, 70, 100, 20, "すべてに適用"};
    QString answer;

    explicit AskWindow(bool withDefault = true) : ModalWindow(Style::Sheet)
    {
        setSize(280, 100);
        cancel.setName("CancelButton");
        ok.setName("OkButton");
        cancel.setCancel(true);
        if (withDefault)
            ok.setDefault(true);
        ok.onAction = [this] { answer = "ok"; close(); };
        cancel.onAction = [this] { answer = "cancel"; close(); };
    }
};

// Installs a responder for one test and takes it away again.
struct Responding : ::testing::Test {
    ModalResponder responder;
    void SetUp() override { Services::instance().setModalResponder(&responder); }
    void TearDown() override { Services::instance().setModalResponder(nullptr); }
};

TEST_F(Responding, AnswersAModalWindowAndRecordsWhatItShowed)
{
    responder.answer("OkButton");
    responder.answer("いいえ"); // by caption
    AskWindow first;
    first.setTitle("確認");
    first.showModal();
    EXPECT_EQ(first.answer, "ok");
    EXPECT_FALSE(first.isShowingModal());
    AskWindow second;
    second.showModal();
    EXPECT_EQ(second.answer, "cancel");

    ASSERT_EQ(responder.records.size(), 2u);
    EXPECT_EQ(responder.records[0].kind, ModalRecord::Kind::Window);
    EXPECT_EQ(responder.records[0].title, "確認");
    EXPECT_TRUE(responder.records[0].texts.contains("プログラムを終了します。よろしいですか。"));
}

TEST_F(Responding, WithoutAnswersTheCancelButtonEndsTheWindow)
{
    AskWindow w;
    responder.prepare = [](ModalWindow& m) {
        static_cast<AskWindow&>(m).applyAll.setValue(true);
    };
    w.showModal();
    EXPECT_EQ(w.answer, "cancel");
    EXPECT_TRUE(w.applyAll.value()) << "prepare ran before the answer";
}

TEST_F(Responding, TheMainWindowIsActivatedAgainAfterwards)
{
    Window main;
    main.setSize(620, 450);
    int activations = 0;
    main.onActivate = [&] { ++activations; };
    main.handleActivation(true); // it was in front
    activations = 0;
    AskWindow w;
    w.showModal();
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(MessageBox::show(MessageBox::Kind::Caution, "ゴミ箱を空にします"), MessageBox::Answer::Cancel);
    EXPECT_EQ(activations, 2);
}

TEST_F(Responding, MessageBoxesDialogsAndMenusTakeScriptedAnswers)
{
    TempDir dir;
    responder.answer("OK");
    responder.answer(QString::fromUtf8(dir.path()));
    responder.answer("");
    responder.answer("(1) ゴミ箱表示");
    responder.answer("not an entry");

    EXPECT_EQ(MessageBox::show(MessageBox::Kind::Question, "よろしいですか。"), MessageBox::Answer::Ok);
    FolderItemPtr chosen = FileDialogs::selectFolder("保存先");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->posixPath(), dir.path());
    EXPECT_FALSE(FileDialogs::getOpenFile("ファイル")) << "an empty answer cancels";

    ContextualMenu menu;
    menu.addRow("(1) ゴミ箱表示");
    menu.addSeparator();
    QString acted;
    menu.onAction = [&](const QString& s) { acted = s; };
    EXPECT_EQ(menu.popup(), "(1) ゴミ箱表示");
    EXPECT_EQ(acted, "(1) ゴミ箱表示");
    acted.clear();
    EXPECT_EQ(menu.popup(), "") << "only real entries can be chosen";
    EXPECT_TRUE(acted.isEmpty());

    ASSERT_EQ(responder.records.size(), 5u);
    EXPECT_EQ(responder.records[0].texts, QStringList{"よろしいですか。"});
    EXPECT_EQ(responder.records[1].kind, ModalRecord::Kind::SelectFolder);
    EXPECT_EQ(responder.records[1].title, "保存先");
    EXPECT_EQ(responder.records[3].kind, ModalRecord::Kind::ContextualMenu);
}

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* expect;
};

TEST(ModalKeys, ReturnPressesDefaultEscapeAndCtrlPeriodPressCancel)
{
    const KeyPress cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "ok"},
        {Qt::Key_Enter, Qt::KeypadModifier, "ok"},
        {Qt::Key_Escape, Qt::NoModifier, "cancel"},
        {Qt::Key_Period, Qt::ControlModifier, "cancel"},
        {Qt::Key_Period, Qt::NoModifier, ""},
    };
    for (const KeyPress& c : cases) {
        AskWindow w;
        QKeyEvent e(QEvent::KeyPress, c.key, c.mods);
        QApplication::sendEvent(w.topWidget(), &e);
        EXPECT_EQ(w.answer, c.expect) << "key " << c.key;
    }
}

TEST(ModalKeys, WithoutADefaultButtonReturnChoosesNothing)
{
    AskWindow w(false);
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.topWidget(), &e);
    EXPECT_EQ(w.answer, "");
}

TEST(ModalKeys, ShowModalRunsANestedLoopUntilAButtonCloses)
{
    AskWindow w;
    QTimer::singleShot(20, [&] {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w.topWidget(), &e);
    });
    w.showModal();
    EXPECT_EQ(w.answer, "cancel");
    EXPECT_FALSE(w.visible());
}

// The window manager's close request (the close box, Alt+F4) ends a window with a close
// box without pressing a button. A window without one asks the window manager for none;
// where one is drawn anyway, it is the cancel button, and without a cancel button it
// does nothing.
struct TitledWindow : ModalWindow {
    PushButton cancel{*this, 80, 45, 70, 20, "閉じる"};
    QString answer;
    TitledWindow() : ModalWindow(Style::Movable)
    {
        setTitle(QStringLiteral("操作説明"));
        setSize(280, 100);
        cancel.onAction = [this] { answer = "cancel"; close(); };
    }
};

TEST(ModalClose, TheCloseBoxEndsOnlyByTheWindowsOwnWays)
{
    struct Case {
        const char* label;
        bool closeBox, cancelButton;
        bool closed;
        const char* answer;
    };
    const Case cases[] = {
        {"close box", true, true, true, ""},
        {"no close box", false, true, true, "cancel"},
        {"no close box, no cancel button", false, false, false, ""},
    };
    for (const Case& c : cases) {
        TitledWindow w;
        w.setCloseBox(c.closeBox);
        w.cancel.setCancel(c.cancelButton);
        EXPECT_EQ(bool(w.topWidget()->windowFlags() & Qt::WindowCloseButtonHint), c.closeBox)
            << c.label;
        bool accepted = false, shownAfter = false;
        QTimer::singleShot(20, [&] {
            QCloseEvent close;
            QApplication::sendEvent(w.topWidget(), &close);
            accepted = close.isAccepted();
            shownAfter = w.visible();
            if (shownAfter)
                w.cancel.push();
        });
        w.answer.clear();
        w.showModal();
        EXPECT_EQ(accepted, c.closed) << c.label;
        EXPECT_EQ(shownAfter, !c.closed) << c.label;
        EXPECT_EQ(w.answer, c.closed ? c.answer : "cancel") << c.label;
        EXPECT_FALSE(w.visible()) << c.label;
    }
}

// Shown for real (no responder): a box with OK alone tells and shows no icon; the two
// asking kinds show theirs.
TEST(MessageBoxes, OnlyTheAskingKindsShowAnIcon)
{
    const std::pair<MessageBox::Kind, QMessageBox::Icon> cases[] = {
        {MessageBox::Kind::Note, QMessageBox::NoIcon},
        {MessageBox::Kind::Caution, QMessageBox::Warning},
        {MessageBox::Kind::Question, QMessageBox::Question},
    };
    for (auto [kind, icon] : cases) {
        QMessageBox::Icon shown = QMessageBox::Critical;
        QTimer::singleShot(20, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->icon();
                box->accept();
            }
        });
        MessageBox::show(kind, QStringLiteral("基準フォルダを変更できません。"));
        EXPECT_EQ(shown, icon) << int(kind);
    }
}

} // namespace
