#include "platform/gui/MenuBar.h"

#include "platform/gui/Application.h"
#include "platform/gui/Window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The field the user was typing in. While the menu is open, and as it closes, the
// application may have no focus widget; the window in front still knows its own.
QWidget* focusedWidget()
{
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    Window* front = Window::lastActive();
    return front ? front->topWidget()->focusWidget() : nullptr;
}

// Whether the command has something to act on in the focused field; no field, no.
bool textCommandApplies(TextCommand command)
{
    QWidget* focus = focusedWidget();
    bool editable = false, selection = false, undo = false;
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        editable = !line->isReadOnly();
        selection = line->hasSelectedText();
        undo = line->isUndoAvailable();
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(focus)) {
        editable = !edit->isReadOnly();
        selection = edit->textCursor().hasSelection();
        undo = edit->document()->isUndoAvailable();
    } else {
        return false;
    }
    switch (command) {
    case TextCommand::Undo:
        return editable && undo;
    case TextCommand::Cut:
    case TextCommand::Clear:
        return editable && selection;
    case TextCommand::Copy:
        return selection;
    case TextCommand::Paste:
        return editable && !QGuiApplication::clipboard()->text().isEmpty();
    }
    return false;
}

void runTextCommand(TextCommand command)
{
    if (!textCommandApplies(command))
        return;
    QWidget* focus = focusedWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        switch (command) {
        case TextCommand::Undo: line->undo(); break;
        case TextCommand::Cut: line->cut(); break;
        case TextCommand::Copy: line->copy(); break;
        case TextCommand::Paste: line->paste(); break;
        case TextCommand::Clear: line->del(); break;
        }
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(focus)) {
        switch (command) {
        case TextCommand::Undo: edit->undo(); break;
        case TextCommand::Cut: edit->cut(); break;
        case TextCommand::Copy: edit->copy(); break;
        case TextCommand::Paste: edit->paste(); break;
        case TextCommand::Clear: edit->textCursor().removeSelectedText(); break;
        }
    }
}

} // namespace

QString MenuItem::name() const
{
    return m_action->objectName();
}

QString MenuItem::text() const
{
    return m_action->text();
}

void MenuItem::setText(const QString& text)
{
    m_action->setText(text);
}

bool MenuItem::enabled() const
{
    return m_action->isEnabled();
}

void MenuItem::setEnabled(bool enabled)
{
    m_action->setEnabled(enabled);
}

void MenuItem::trigger()
{
    if (m_action->isEnabled())
        m_action->trigger();
}

Menu::Menu(QMenu* menu) : m_menu(menu)
{
    m_connections.push_back(
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { updateTextItems(); }));
}

Menu::~Menu()
{
    for (const QMetaObject::Connection& c : m_connections)
        QObject::disconnect(c);
}

MenuItem* Menu::addTextItem(const QString& name, const QString& text, TextCommand command,
                            const QString& shortcut)
{
    MenuItem* item = addItem(name, text, shortcut);
    item->onAction = [command] {
        runTextCommand(command);
        return true;
    };
    if (m_textItems.empty())
        m_connections.push_back(QObject::connect(qApp, &QApplication::focusChanged, m_menu,
                                                 [this] { updateTextItems(); }));
    m_textItems.emplace_back(item, command);
    item->setEnabled(textCommandApplies(command));
    return item;
}

void Menu::updateTextItems()
{
    for (auto& [item, command] : m_textItems)
        item->setEnabled(textCommandApplies(command));
}

MenuItem* Menu::addItem(const QString& name, const QString& text, const QString& shortcut)
{
    if (text == QLatin1String("-")) {
        m_menu->addSeparator();
        return nullptr;
    }
    QAction* action = m_menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + shortcut.toUpper()));
    // The window's shortcuts work wherever the focus is inside it.
    action->setShortcutContext(Qt::WindowShortcut);
    auto item = std::make_unique<MenuItem>(action);
    MenuItem* raw = item.get();
    QObject::connect(action, &QAction::triggered, action, [raw] {
        if (raw->onAction)
            raw->onAction();
    });
    m_items.push_back(std::move(item));
    return raw;
}

MenuItem* Menu::item(const QString& name) const
{
    for (const auto& i : m_items) {
        if (i->name() == name)
            return i.get();
    }
    return nullptr;
}

QString Menu::title() const
{
    return m_menu->title();
}

MenuBar::MenuBar() : m_bar(new QMenuBar) {}

MenuBar::~MenuBar()
{
    // The window that shows the bar may own it by now; delete only an unplaced bar.
    if (m_bar && !m_bar->parent())
        delete m_bar.data();
}

Menu* MenuBar::addMenu(const QString& title)
{
    m_menus.push_back(std::make_unique<Menu>(m_bar->addMenu(title)));
    return m_menus.back().get();
}

MenuItem* MenuBar::addQuitItem(Menu* menu, const QString& name, const QString& text)
{
    MenuItem* item = menu->addItem(name, text, QStringLiteral("Q"));
    item->action()->setMenuRole(QAction::QuitRole);
    item->onAction = [] {
        Application::quit();
        return true;
    };
    return item;
}

MenuItem* MenuBar::item(const QString& name) const
{
    for (const auto& m : m_menus) {
        if (MenuItem* i = m->item(name))
            return i;
    }
    return nullptr;
}
