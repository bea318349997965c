#include "app/MainMenu.h"

#include "mainwindow/Window1.h"
#include "platform/gui/MenuBar.h"

std::unique_ptr<MenuBar> buildMainMenu()
{
    auto bar = std::make_unique<MenuBar>();
    Menu* file = bar->addMenu(QStringLiteral("ファイル"));
    bar->addQuitItem(file, QStringLiteral("FileQuit"), QStringLiteral("終了"));

    Menu* edit = bar->addMenu(QStringLiteral("編集"));
    edit->addItem(QStringLiteral("EditUndo"), QStringLiteral("取り消し"), QStringLiteral("Z"));
    edit->addItem({}, QStringLiteral("-"));
    edit->addItem(QStringLiteral("EditCut"), QStringLiteral("カット"), QStringLiteral("X"));
    edit->addItem(QStringLiteral("EditCopy"), QStringLiteral("コピー"), QStringLiteral("C"));
    edit->addItem(QStringLiteral("EditPaste"), QStringLiteral("ペースト"), QStringLiteral("V"));
    edit->addItem(QStringLiteral("EditClear"), QStringLiteral("クリア"));

    Menu* help = bar->addMenu(QStringLiteral("ヘルプ"));
    help->addItem(QStringLiteral("HelpManual"), QStringLiteral("操作説明"));
    help->addItem(QStringLiteral("AppPrefs"), QStringLiteral("環境設定..."));
    help->addItem({}, QStringLiteral("-"));
    help->addItem(QStringLiteral("AppleIAbout"), QStringLiteral("Cloakswitchについて"));
    return bar;
}

void connectMainMenu(MenuBar& menu, Window1& window)
{
    menu.item(QStringLiteral("HelpManual"))->onAction = [&window] { return window.HelpManual_Action(); };
    menu.item(QStringLiteral("AppleIAbout"))->onAction = [&window] { return window.AppleIAbout_Action(); };
    if (MenuItem* prefs = menu.item(QStringLiteral("AppPrefs")))
        prefs->onAction = [&window] {
            window.AppPrefs_Action();
            return true;
        };
}
