#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

// A menu item; shortcut is a letter pressed with Command (Ctrl), empty for none.
class MenuItem {
public:
    MenuItem(QAction* action) : m_action(action) {}
    QString name() const;
    QString text() const;
    void setText(const QString& text);
    bool enabled() const;
    void setEnabled(bool enabled);
    void trigger(); // as a choice of the item

    std::function<bool()> onAction; // the handler; true means handled

    QAction* action() const { return m_action; }

private:
    QAction* m_action;
};

class Menu {
public:
    Menu(QMenu* menu) : m_menu(menu) {}
    // text "-" adds a separator (no item returned).
    MenuItem* addItem(const QString& name, const QString& text, const QString& shortcut = {});
    MenuItem* item(const QString& name) const;
    QString title() const;

private:
    QMenu* m_menu;
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

// The menu bar shared by the application and its window. addQuitItem() adds the quit
// command (Ctrl+Q), which closes the windows without the quit question.
class MenuBar {
public:
    MenuBar();
    ~MenuBar();
    Menu* addMenu(const QString& title);
    MenuItem* addQuitItem(Menu* menu, const QString& name, const QString& text);
    MenuItem* item(const QString& name) const; // in any menu

    QMenuBar* widget() const { return m_bar; }

private:
    QPointer<QMenuBar> m_bar;
    std::vector<std::unique_ptr<Menu>> m_menus;
};
