#include "app/MainMenu.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/FLHelpWindow.h"
#include "dialogs/ModalRun.h"
#include "mainwindow/Window1.h"
#include "platform/gui/Application.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "support/ScopedHome.h"
#include "support/TestVolumes.h"

#include <QCloseEvent>
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

// The support link opens the README that an install puts in the documentation folder
// (the install test checks it is there); no mail link is offered.
TEST_F(AboutAndHelp, AboutLinkOpensTheInstalledReadme)
{
    RequestRecorder launches;
    Services::instance().setLaunchRecorder(&launches);
    AboutWindow& about = m_window->aboutWindow();
    about.show();
    QTest::mouseClick(about.URLText->widget(), Qt::LeftButton);
    about.PushButton1->push();
    ASSERT_EQ(launches.requests.size(), 1u);
    const QUrl opened(launches.requests[0].args.value(0));
    EXPECT_EQ(opened.toString(), AboutWindow::kSupportPage);
    EXPECT_TRUE(opened.isLocalFile()) << opened.toString().toStdString();
    EXPECT_TRUE(opened.toLocalFile().endsWith(QLatin1String("/README.md")));
    EXPECT_TRUE(opened.toLocalFile().contains(QLatin1String("/share/doc/")));
    EXPECT_EQ(about.URLText->text(), opened.toString()) << "the link shows where it leads";
    for (Control* c : about.controls()) {
        auto* text = dynamic_cast<StaticText*>(c);
        EXPECT_FALSE(text && (text->text().contains(QLatin1String("mail"), Qt::CaseInsensitive) ||
                              text->text().contains(QLatin1Char('@')) ||
                              text->text().contains(QStringLiteral("メール"))))
            << text->text().toStdString();
    }
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

// The close box (or Alt+F4) hides the manual as its button does; it stays made, and
// the confirmation dialogs have no close box at all.
TEST_F(AboutAndHelp, TheManualsCloseBoxHidesIt)
{
    FLHelpWindow& help = m_window->helpWindow();
    bool accepted = false;
    const bool ended = runModal(help, [&] {
        QCloseEvent close; // as the window manager sends it
        QApplication::sendEvent(help.topWidget(), &close);
        accepted = close.isAccepted();
    });
    EXPECT_TRUE(ended) << "the close box left the manual open";
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(help.visible());
    EXPECT_EQ(&m_window->helpWindow(), &help);
    EXPECT_TRUE(help.topWidget()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(m_window->aboutWindow().topWidget()->windowFlags() & Qt::WindowCloseButtonHint);
}

// Quitting (Ctrl+Q, SIGTERM, the session ending) while the manual is open ends its
// modal loop, closes the main window and ends the program's event loop.
TEST_F(AboutAndHelp, QuittingIsNotHeldUpByTheHelpWindow)
{
    ScopedHome home(m_tmp.folder("home"));
    bool manualShown = false, heldUp = false;
    QTimer::singleShot(0, [&] { m_window->HelpButton->push(); });
    QTimer::singleShot(100, [&] {
        manualShown = m_window->helpWindow().visible();
        Application::quit();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        heldUp = true;
        m_window->helpWindow().close();
        QCoreApplication::exit(1);
    });
    guard.start(3000);
    QCoreApplication::exec(); // the program's own loop, which quitting ends
    EXPECT_TRUE(manualShown);
    EXPECT_FALSE(heldUp);
    EXPECT_TRUE(m_window->isClosed());
    EXPECT_FALSE(m_window->helpWindow().visible());
}

} // namespace
