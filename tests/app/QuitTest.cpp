#include "dialogs/answers.h"
#include "mainwindow/Window1.h"
#include "platform/gui/Application.h"
#include "platform/gui/Services.h"
#include "support/TestVolumes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>

// The close box asks "プログラムを終了します。よろしいですか。"; quitting does not ask.
class Quit : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        Services::instance().setModalResponder(&m_responder);
    }
    void TearDown() override
    {
        Services::instance().setModalResponder(nullptr);
        TestVolumes::TearDown();
    }
    ModalResponder m_responder;
};

TEST_F(Quit, CloseBoxAsksAndNoKeepsTheWindow)
{
    Window1 w(nullptr);
    w.show();
    m_responder.answer(QStringLiteral("いいえ"));
    QCloseEvent close; // as the window manager sends it
    QApplication::sendEvent(w.topWidget(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_FALSE(w.isClosed());
    ASSERT_EQ(m_responder.records.size(), 1u);
    EXPECT_TRUE(m_responder.records[0].texts.contains(
        QStringLiteral("プログラムを終了します。よろしいですか。")));
}

TEST_F(Quit, QuittingClosesWithoutAsking)
{
    Window1 w(nullptr);
    w.show();
    EXPECT_TRUE(w.closeForQuit());
    EXPECT_TRUE(w.isClosed());
    EXPECT_TRUE(m_responder.records.empty());
}
