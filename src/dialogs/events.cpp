#include "dialogs/AboutWindow.h"
#include "dialogs/FLHelpWindow.h"
#include "mainwindow/Window1.h"

// The dialogs' menu items are wired with the menu bar (connectMainMenu), the help
// button with the other main-window controls.
void Window1::connectDialogEvents() {}

AboutWindow& Window1::aboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_shared<AboutWindow>();
    return *m_aboutWindow;
}

FLHelpWindow& Window1::helpWindow()
{
    if (!m_helpWindow)
        m_helpWindow = std::make_shared<FLHelpWindow>();
    return *m_helpWindow;
}

bool Window1::AppleIAbout_Action()
{
    aboutWindow().showModal();
    return true;
}

bool Window1::HelpManual_Action()
{
    helpWindow().showModal();
    return true;
}
