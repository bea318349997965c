#include "dialogs/CopyCheckWindow.h"
#include "dialogs/DelCheckWindow.h"
#include "dialogs/InquiryWindow.h"
#include "dialogs/ModalRun.h"
#include "dialogs/YesNoWindow.h"
#include "dialogs/answers.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "platform/gui/CheckBox.h"
#include "support/WindowTest.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

// The four yes/no dialogs, made fresh, each with the field (if any) that could keep
// Return from reaching the default button.
struct Confirmation {
    const char* name;
    std::function<std::unique_ptr<ModalWindow>(TextField*&)> make;
};

const Confirmation kConfirmations[] = {
    {"InquiryWindow", [](TextField*& field) {
         field = nullptr;
         return std::make_unique<InquiryWindow>();
     }},
    {"YesNoWindow", [](TextField*& field) {
         field = nullptr;
         return std::make_unique<YesNoWindow>();
     }},
    {"DelCheckWindow", [](TextField*& field) {
         auto w = std::make_unique<DelCheckWindow>();
         w->Contents->setText(QStringLiteral("a.txt\rb.txt\rc.txt"));
         field = w->Contents.get();
         return w;
     }},
    {"CopyCheckWindow", [](TextField*& field) {
         auto w = std::make_unique<CopyCheckWindow>();
         w->Contents->setText(QStringLiteral("a.txt\rb.txt"));
         field = w->Contents.get();
         return w;
     }},
};

class ConfirmDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        globals::retVal = 7;
        globals::afterAll = 7;
    }
    void TearDown() override { Services::instance().setModalResponder(nullptr); }
};

TEST_F(ConfirmDialogs, ButtonsAnswerRetOkOnly)
{
    const std::pair<const char*, bool> answers[] = {{"OkButton", true}, {"CancelButton", false}};
    for (const Confirmation& c : kConfirmations) {
        for (const auto& [button, expected] : answers) {
            TextField* field = nullptr;
            auto window = c.make(field);
            ModalResponder responder;
            responder.answer(QString::fromLatin1(button));
            Services::instance().setModalResponder(&responder);
            globals::retOk = !expected;
            window->showModal();
            Services::instance().setModalResponder(nullptr);
            EXPECT_EQ(globals::retOk, expected) << c.name << " " << button;
            EXPECT_FALSE(window->visible()) << c.name;
            EXPECT_EQ(globals::retVal, 7) << c.name;
            EXPECT_EQ(globals::afterAll, 7) << c.name;
        }
    }
}

TEST_F(ConfirmDialogs, ReturnConfirmsEscapeAndCtrlPeriodCancel)
{
    struct Key {
        int key;
        Qt::KeyboardModifiers mods;
        bool expected;
    };
    const Key keys[] = {{Qt::Key_Return, Qt::NoModifier, true},
                        {Qt::Key_Enter, Qt::KeypadModifier, true},
                        {Qt::Key_Escape, Qt::NoModifier, false},
                        {Qt::Key_Period, Qt::ControlModifier, false}};
    for (const Confirmation& c : kConfirmations) {
        for (const Key& k : keys) {
            TextField* field = nullptr;
            auto window = c.make(field);
            globals::retOk = !k.expected;
            const bool closedByKey = runModal(*window, [&] {
                // The user may have clicked into the list of items first.
                typeKey(*window, k.key, k.mods, field ? field->widget() : nullptr);
            });
            EXPECT_TRUE(closedByKey) << c.name << " key " << k.key;
            EXPECT_EQ(globals::retOk, k.expected) << c.name << " key " << k.key;
        }
    }
}

TEST_F(ConfirmDialogs, ItemListsAreShownNotEdited)
{
    for (const Confirmation& c : kConfirmations) {
        TextField* field = nullptr;
        auto window = c.make(field);
        if (!field)
            continue;
        const QString before = field->text();
        runModal(*window, [&] {
            typeKey(*window, Qt::Key_X, Qt::NoModifier, field->widget());
            typeKey(*window, Qt::Key_Escape, Qt::NoModifier, field->widget());
        });
        EXPECT_EQ(field->text(), before) << c.name;
    }
}

// The callers ask one after another: each showing shows its caller's texts and, where
// the caller sets none, the texts the dialog is made with; nothing of the one before.
class FreshShowings : public WindowTest {};

TEST_F(FreshShowings, EachShowingShowsOnlyItsCallersTexts)
{
    m_tmp.folder("hd/f");
    m_tmp.file("hd/f/report.pdf", "x");
    m_tmp.file("hd/f/notes.txt", "y");
    listFolder("f");
    w().WithReport->setValue(true);
    RequestRecorder launches;
    Services::instance().setLaunchRecorder(&launches);
    const QStringList opened = {"report.pdf", "notes.txt"};
    for (const QString& name : opened) {
        list().deselectAll();
        list().setSelected(rowNamed(name), true);
        m_responder.answer(QStringLiteral("いいえ"));
        w().FileListBox_DoubleClick();
    }
    InquiryWindow::ask(QStringLiteral("プログラムを終了します。よろしいですか。"));
    InquiryWindow::ask(QStringLiteral("別の質問"));
    Services::instance().setLaunchRecorder(nullptr);
    EXPECT_TRUE(launches.requests.empty()) << "both were answered いいえ";
    ASSERT_EQ(m_responder.records.size(), 4u);
    for (int i = 0; i < 2; ++i) {
        const ModalRecord& shown = m_responder.records[size_t(i)];
        EXPECT_EQ(shown.title, QStringLiteral("ファイルオープンの実行確認")) << i;
        EXPECT_TRUE(shown.texts.contains(opened[i])) << i;
        EXPECT_FALSE(shown.texts.contains(opened[1 - i])) << i;
        EXPECT_TRUE(shown.texts.contains(QStringLiteral("ファイル／フォルダ名:"))) << i;
        EXPECT_TRUE(shown.texts.contains(QStringLiteral("上のファイルを開きます。よろしいですか。"))) << i;
    }
    EXPECT_TRUE(m_responder.records[2].texts.contains(QStringLiteral("プログラムを終了します。よろしいですか。")));
    EXPECT_TRUE(m_responder.records[3].texts.contains(QStringLiteral("別の質問")));
    EXPECT_FALSE(m_responder.records[3].texts.contains(QStringLiteral("プログラムを終了します。よろしいですか。")));
}

TEST_F(ConfirmDialogs, DialogsShowTheCallersTexts)
{
    ModalResponder responder;
    Services::instance().setModalResponder(&responder);
    DelCheckWindow window;
    window.setTitle(QStringLiteral("ゴミ箱を空にする"));
    window.Contents->setText(QStringLiteral("one\rtwo"));
    window.showModal();
    ASSERT_EQ(responder.records.size(), 1u);
    EXPECT_EQ(responder.records[0].title, QStringLiteral("ゴミ箱を空にする"));
    EXPECT_TRUE(responder.records[0].texts.contains(QStringLiteral("one\ntwo")));
    EXPECT_TRUE(responder.records[0].texts.contains(QStringLiteral("実行")));
}

} // namespace
