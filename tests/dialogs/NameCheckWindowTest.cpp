#include "dialogs/ModalRun.h"
#include "dialogs/NameCheckWindow.h"
#include "dialogs/answers.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"

#include <gtest/gtest.h>

namespace {

class NameCheck : public ::testing::Test {
protected:
    void TearDown() override { Services::instance().setModalResponder(nullptr); }
};

TEST_F(NameCheck, ButtonsAndApplyAllGiveRetValAndAfterAll)
{
    struct Case {
        const char* button;
        bool applyAll;
        int retVal, afterAll;
    };
    const Case cases[] = {
        {"CancelButton", false, 0, 0}, {"CancelButton", true, 0, -1},
        {"AddNewButton", false, 1, 0}, {"AddNewButton", true, 1, 1},
        {"ReplaceButton", false, 2, 0}, {"ReplaceButton", true, 2, 2},
    };
    bool retOkBefore = false;
    for (const Case& c : cases) {
        // Each showing is a fresh window: the last one's tick must not carry over.
        NameCheckWindow window;
        EXPECT_FALSE(window.ApplyAll->value()) << c.button;
        ModalResponder responder;
        responder.answer(QString::fromLatin1(c.button));
        responder.prepare = [&](ModalWindow&) { window.ApplyAll->setValue(c.applyAll); };
        Services::instance().setModalResponder(&responder);
        retOkBefore = !retOkBefore;
        globals::retOk = retOkBefore;
        globals::retVal = 9;
        globals::afterAll = 9;
        window.showModal();
        Services::instance().setModalResponder(nullptr);
        EXPECT_EQ(globals::retVal, c.retVal) << c.button << " " << c.applyAll;
        EXPECT_EQ(globals::afterAll, c.afterAll) << c.button << " " << c.applyAll;
        EXPECT_EQ(globals::retOk, retOkBefore) << "retOk changed by " << c.button;
    }
}

TEST_F(NameCheck, ReturnChoosesNothingEscapeCancels)
{
    NameCheckWindow window;
    EXPECT_EQ(window.defaultButton(), nullptr);
    globals::retVal = 9;
    globals::afterAll = 9;
    bool stillOpenAfterReturn = false;
    const bool closedByKey = runModal(window, [&] {
        window.ApplyAll->setValue(true);
        typeKey(window, Qt::Key_Return);
        typeKey(window, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::processEvents();
        stillOpenAfterReturn = window.isShowingModal() && window.visible();
        typeKey(window, Qt::Key_Escape);
    });
    EXPECT_TRUE(stillOpenAfterReturn);
    EXPECT_TRUE(closedByKey);
    EXPECT_EQ(globals::retVal, 0);
    EXPECT_EQ(globals::afterAll, -1);
}

TEST_F(NameCheck, ShowsTheCallersNameAndTitle)
{
    ModalResponder responder;
    Services::instance().setModalResponder(&responder);
    NameCheckWindow window;
    window.setTitle(QStringLiteral("コピーの同名チェック"));
    window.MsgText->setText(QStringLiteral("report.pdf"));
    window.showModal();
    ASSERT_EQ(responder.records.size(), 1u);
    EXPECT_EQ(responder.records[0].title, QStringLiteral("コピーの同名チェック"));
    EXPECT_TRUE(responder.records[0].texts.contains(QStringLiteral("report.pdf")));
    EXPECT_TRUE(responder.records[0].texts.contains(QStringLiteral("接尾辞を付けて保存")));
    // Without an answer the window is cancelled, like Escape.
    EXPECT_EQ(globals::retVal, 0);
}

} // namespace
