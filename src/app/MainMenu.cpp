#include "app/MainMenu.h"

#include "mainwindow/Window1.h"
#include "platform/gui/MenuBar.h"

std::unique_ptr<MenuBar> buildMainMenu()
{
    auto bar = std::make_unique<MenuBar>();
    Menu* file = bar->addMenu(QStringLiteral("ファイル"));
    bar->addQuitItem(file, QStringLiteral("FileQuit"), QStringLiteral("終了"));

    Menu* edit = bar->addMenu(QStringLiteral("編集"));
    edit->addTextItem(QStringLiteral("EditUndo"), QStringLiteral("取り消し"), TextCommand::Undo,
                      QStringLiteral("Z"));
    edit->addItem({}, QStringLiteral("-"));
    edit->addTextItem(QStringLiteral("EditCut"), QStringLiteral("カット"), TextCommand::Cut,
                      QStringLiteral("X"));
    edit->addTextItem(QStringLiteral("EditCopy"), QStringLiteral("コピー"), TextCommand::Copy,
                      QStringLiteral("C"));
    edit->addTextItem(QStringLiteral("EditPaste"), QStringLiteral("ペースト"), TextCommand::Paste,
                      QStringLiteral("V"));
    edit->addTextItem(QStringLiteral("EditClear"), QStringLiteral("クリア"), TextCommand::Clear);

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
