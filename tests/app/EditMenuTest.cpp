#include "app/MainMenu.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Window.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kEditItems[] = {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"};

// A window with the program's menu bar, a text field and a button.
class EditMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bar = buildMainMenu();
        m_window.setSize(300, 120);
        m_window.setMenuBar(m_bar.get());
        m_window.onKeyDown = [this](const QString& key, int modifiers) {
            m_keys << QStringLiteral("%1+%2").arg(modifiers).arg(key);
            return true;
        };
        m_window.activate();
        QApplication::processEvents();
    }
    // The user opens the Edit menu, which brings its items up to date.
    QStringList enabledItems()
    {
        for (QMenu* menu : m_bar->widget()->findChildren<QMenu*>()) {
            if (menu->title() != QStringLiteral("編集"))
                continue;
            menu->popup(QPoint(0, 0));
            menu->hide();
        }
        QStringList on;
        for (const char* name : kEditItems)
            if (m_bar->item(QString::fromLatin1(name))->enabled())
                on << QString::fromLatin1(name);
        return on;
    }
    // Opens the menu and takes the item (a dimmed item does nothing).
    void choose(const char* name)
    {
        enabledItems();
        m_bar->item(QString::fromLatin1(name))->trigger();
    }

    std::unique_ptr<MenuBar> m_bar;
    Window m_window;
    TextField m_field{m_window, 10, 10, 200, 22};
    PushButton m_button{m_window, 10, 60, 80, 20, "OK"};
    QStringList m_keys;
};

TEST_F(EditMenu, ItemsActOnTheFocusedField)
{
    m_field.setText(QStringLiteral("hello"));
    m_field.setFocus();
    QApplication::processEvents();
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(enabledItems(), QStringList()) << "nothing selected, nothing done, nothing to paste";

    m_field.selectAll();
    EXPECT_EQ(enabledItems(), QStringList({"EditCut", "EditCopy", "EditClear"}));
    choose("EditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
    choose("EditClear");
    EXPECT_EQ(m_field.text(), QString());
    EXPECT_EQ(enabledItems(), QStringList({"EditUndo", "EditPaste"}));
    choose("EditUndo");
    EXPECT_EQ(m_field.text(), QStringLiteral("hello"));
    m_field.selectAll();
    choose("EditCut");
    EXPECT_EQ(m_field.text(), QString());
    choose("EditPaste");
    EXPECT_EQ(m_field.text(), QStringLiteral("hello"));

    m_field.setReadOnly(true);
    m_field.selectAll();
    EXPECT_EQ(enabledItems(), QStringList({"EditCopy"})) << "a field that only shows its text";
}

// Without a focused field the items are dimmed, and their shortcuts reach the window's
// own key handler instead of being taken by items that would do nothing.
TEST_F(EditMenu, WithoutAFocusedFieldTheItemsAreDimmedAndKeysReachTheWindow)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("something"));
    m_button.widget()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(enabledItems(), QStringList());
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V})
        QTest::keyClick(m_button.widget(), key, Qt::ControlModifier);
    EXPECT_EQ(m_keys, QStringList({"256+z", "256+x", "256+c", "256+v"}));
}

} // namespace
