#pragma once

#include "platform/gui/Control.h"

#include <QStringList>

class QComboBox;

// A pop-up menu of text rows. Selecting a row from code raises onChange just as a
// user's choice does (the program guards itself with its own flags).
class PopupMenu : public Control {
    Q_OBJECT
public:
    PopupMenu(WindowBase& window, int left, int top, int width, int height,
              Control* inside = nullptr);

    void addRow(const QString& text);
    void insertRow(int index, const QString& text);
    void removeRow(int index);
    void deleteAllRows();
    int listCount() const;
    QString list(int index) const; // empty when out of range
    int listIndex() const;         // -1 for none
    void setListIndex(int index);  // -1 clears; raises onChange when it changes
    QString text() const;          // the selected row's text
    // As the user's choice of a row from the open menu.
    void choose(int index);
    // The user choosing the row that is already selected raises onChange too (off by
    // default, as for selecting from code).
    void setEveryChoiceActs(bool acts) { m_everyChoiceActs = acts; }

    std::function<void()> onChange;

protected:
    void textSizeChanged() override;

private:
    QComboBox* combo() const;
    void chosen(int index);

    bool m_everyChoiceActs = false;
    int m_changes = 0;         // onChange raised so far
    int m_changesAtChoice = 0; // ... when the menu opened
};
