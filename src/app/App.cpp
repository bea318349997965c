#include "app/App.h"

#include "app/MainMenu.h"
#include "mainwindow/Window1.h"
#include "platform/gui/Application.h"
#include "platform/gui/MenuBar.h"

int App::run(int argc, char** argv)
{
    std::unique_ptr<MenuBar> menu;
    std::unique_ptr<Window1> window;
    auto start = [&] {
        menu = buildMainMenu();
        window = std::make_unique<Window1>(menu.get());
        connectMainMenu(*menu, *window);
        window->show();
    };
    auto finish = [&] {
        window.reset();
        menu.reset();
    };
    return Application::exec(argc, argv, start, finish);
}
