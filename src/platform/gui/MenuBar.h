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

// What an Edit menu item does to the text field that has the focus.
enum class TextCommand { Undo, Cut, Copy, Paste, Clear };

class Menu {
public:
    Menu(QMenu* menu);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    // text "-" adds a separator (no item returned).
    MenuItem* addItem(const QString& name, const QString& text, const QString& shortcut = {});
    // An item that acts on the focused text field. It is dimmed while no text field has
    // the focus, or the field has nothing for it (no selection to cut, nothing to undo),
    // so that its shortcut reaches the window instead of doing nothing.
    MenuItem* addTextItem(const QString& name, const QString& text, TextCommand command,
                          const QString& shortcut = {});
    void updateTextItems();
    MenuItem* item(const QString& name) const;
    QString title() const;

private:
    QMenu* m_menu;
    std::vector<std::unique_ptr<MenuItem>> m_items;
    std::vector<std::pair<MenuItem*, TextCommand>> m_textItems;
    std::vector<QMetaObject::Connection> m_connections; // to this object, cut when it goes
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
