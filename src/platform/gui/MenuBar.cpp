#include "platform/gui/MenuBar.h"

#include "platform/gui/Application.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

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
