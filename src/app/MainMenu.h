#pragma once

#include <memory>

class MenuBar;
class Window1;

// The menu bar: File (Quit), Edit (for the dialogs' text fields), Help.
std::unique_ptr<MenuBar> buildMainMenu();
void connectMainMenu(MenuBar& menu, Window1& window);
