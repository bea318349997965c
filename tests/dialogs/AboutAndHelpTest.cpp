#include "app/MainMenu.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/FLHelpWindow.h"
#include "dialogs/ModalRun.h"
#include "mainwindow/Window1.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "support/TestVolumes.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace {

class AboutAndHelp : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        m_menu = buildMainMenu();
        m_window = std::make_unique<Window1>(m_menu.get());
        connectMainMenu(*m_menu, *m_window);
        m_window->show();
    }
    void TearDown() override
    {
        Services::instance().setModalResponder(nullptr);
        Services::instance().setLaunchRecorder(nullptr);
        m_window.reset();
        m_menu.reset();
        TestVolumes::TearDown();
    }

    std::unique_ptr<MenuBar> m_menu;
    std::unique_ptr<Window1> m_window;
};

QScrollBar* manualScrollBar(FLHelpWindow& help)
{
    return static_cast<QPlainTextEdit*>(help.EditField1->widget())->verticalScrollBar();
}

TEST_F(AboutAndHelp, AboutShowsTheBuildsVersionEveryTime)
{
    ModalResponder responder;
    Services::instance().setModalResponder(&responder);
    m_menu->item(QStringLiteral("AppleIAbout"))->trigger();
    m_menu->item(QStringLiteral("AppleIAbout"))->trigger();
    ASSERT_EQ(responder.records.size(), 2u);
    for (const ModalRecord& shown : responder.records) {
        EXPECT_TRUE(shown.texts.contains(QStringLiteral(CLOAKSWITCH_VERSION)));
        EXPECT_FALSE(shown.texts.contains(QStringLiteral("0.0.0")));
        EXPECT_TRUE(shown.texts.contains(QStringLiteral("Cloakswitch")));
    }
    EXPECT_NE(QStringLiteral(CLOAKSWITCH_VERSION), QStringLiteral("0.0.0"));
    EXPECT_FALSE(m_window->aboutWindow().visible());
}

TEST_F(AboutAndHelp, AboutLinksOpenThePageAndANewMail)
{
    RequestRecorder launches;
    Services::instance().setLaunchRecorder(&launches);
    AboutWindow& about = m_window->aboutWindow();
    about.show();
    QTest::mouseClick(about.URLText->widget(), Qt::LeftButton);
    QTest::mouseClick(about.MailText->widget(), Qt::LeftButton);
    about.PushButton1->push();
    ASSERT_EQ(launches.requests.size(), 2u);
    EXPECT_EQ(launches.requests[0].args, QStringList{AboutWindow::kSupportPage});
    EXPECT_EQ(launches.requests[1].args,
              QStringList{QStringLiteral("mailto:") + AboutWindow::kMailAddress});
    EXPECT_TRUE(QUrl(AboutWindow::kSupportPage).isValid());
}

TEST_F(AboutAndHelp, HelpKeepsItsScrollPositionBetweenShowings)
{
    FLHelpWindow& help = m_window->helpWindow();
    int scrolledTo = -1, foundAt = -1;
    ASSERT_TRUE(runModal(help, [&] {
        QScrollBar* bar = manualScrollBar(help);
        ASSERT_GT(bar->maximum(), 3) << "the manual is longer than its field";
        bar->setValue(bar->maximum() - 2);
        scrolledTo = bar->value();
        help.PushButton1->push();
    }));
    EXPECT_FALSE(help.visible());
    // The help button shows the same window again, as it was left.
    QTimer::singleShot(0, [&] {
        foundAt = manualScrollBar(help)->value();
        typeKey(help, Qt::Key_Escape);
    });
    m_window->HelpButton->push();
    EXPECT_EQ(&m_window->helpWindow(), &help);
    EXPECT_EQ(foundAt, scrolledTo);
    EXPECT_FALSE(help.visible());
}

TEST_F(AboutAndHelp, HelpMenuShowsTheManual)
{
    ModalResponder responder;
    Services::instance().setModalResponder(&responder);
    m_menu->item(QStringLiteral("HelpManual"))->trigger();
    ASSERT_EQ(responder.records.size(), 1u);
    EXPECT_EQ(responder.records[0].title, QStringLiteral("操作説明"));
    const QString manual = m_window->helpWindow().EditField1->text();
    EXPECT_TRUE(manual.startsWith(QStringLiteral("【 ダブルクリックによる動作 】\n")));
    EXPECT_TRUE(manual.endsWith(QStringLiteral("フォルダがFinderで開かれるだけです。")));
    EXPECT_EQ(manual.count(QLatin1Char('\n')), 42);
    EXPECT_EQ(manual.count(QStringLiteral("\n\n")), 5); // six sections
}

TEST_F(AboutAndHelp, HelpGrowsInHeightOnly)
{
    FLHelpWindow& help = m_window->helpWindow();
    help.show();
    help.topWidget()->resize(500, 600);
    QApplication::processEvents();
    EXPECT_EQ(help.width(), 350);
    EXPECT_EQ(help.height(), 600);
    const int grown = 600 - 450;
    EXPECT_EQ(help.EditField1->height(), 295 + grown);
    EXPECT_EQ(help.PushButton1->top(), 410 + grown);
    EXPECT_EQ(help.EditField2->top(), 359 + grown);
    help.PushButton1->push();
}

TEST_F(AboutAndHelp, QuittingIsNotHeldUpByTheHelpWindow)
{
    ModalResponder responder;
    Services::instance().setModalResponder(&responder);
    m_window->HelpButton->push();
    m_window->AppleIAbout_Action();
    EXPECT_TRUE(m_window->closeForQuit());
    EXPECT_TRUE(m_window->isClosed());
}

} // namespace
