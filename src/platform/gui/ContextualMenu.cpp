#include "platform/gui/ContextualMenu.h"

#include "platform/gui/Services.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

QString ContextualMenu::popup()
{
    QString chosen;
    if (ModalResponder* responder = Services::instance().modalResponder()) {
        responder->records.push_back({ModalRecord::Kind::ContextualMenu, {}, m_rows});
        const std::optional<QString> answer = responder->next();
        // Only an entry the menu really has can be chosen.
        if (answer && *answer != QLatin1String("-") && m_rows.contains(*answer))
            chosen = *answer;
    } else {
        QMenu menu;
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i] == QLatin1String("-")) {
                menu.addSeparator();
                continue;
            }
            // "&" in a name is text, not a mnemonic.
            QString shown = m_rows[i];
            menu.addAction(shown.replace(QLatin1Char('&'), QLatin1String("&&")))->setData(i);
        }
        if (QAction* action = menu.exec(QCursor::pos()))
            chosen = m_rows.value(action->data().toInt());
    }
    if (!chosen.isEmpty() && onAction)
        onAction(chosen);
    return chosen;
}
