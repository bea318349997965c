#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// A menu that pops up at the pointer. Entries are texts; "-" is a separator.
// popup() returns the chosen entry's text, or an empty string when nothing was chosen.
class ContextualMenu {
public:
    void deleteAllRows() { m_rows.clear(); }
    void addRow(const QString& text) { m_rows << text; }
    void addSeparator() { m_rows << QStringLiteral("-"); }
    const QStringList& rows() const { return m_rows; }
    QString popup(); // at the pointer; a modal responder answers it under test

    std::function<void(const QString& chosen)> onAction; // after a choice

private:
    QStringList m_rows;
};
