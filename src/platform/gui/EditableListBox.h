#pragma once

#include "platform/gui/Control.h"

#include <QStringList>
#include <functional>
#include <vector>

class QTreeWidget;

// A small list of text rows in columns, with a heading row, several rows selectable
// (Shift extends, Ctrl toggles), columns whose cells can be edited, sorted by a click
// on a heading. The program's file list is ListBox; this one is for short tables that
// the user fills in.
class EditableListBox : public Control {
    Q_OBJECT
  public:
    EditableListBox(WindowBase& window, int left, int top, int width, int height, int columns,
                    Control* inside = nullptr);
    ~EditableListBox() override;

    int columnCount() const { return m_columns; }
    void setHeadings(const QStringList& headings);
    QStringList headings() const;
    // Comma-separated, one entry a column: pixels ("40"), a share of the list's width
    // ("75%"), or empty for an equal part of what is left; "0" hides the column. Kept
    // and applied again whenever the list changes size.
    void setColumnWidths(const QString& widths);
    int columnWidth(int column) const;
    void setColumnEditable(int column, bool editable);
    bool columnEditable(int column) const;

    // --- rows; out-of-range rows and columns are ignored, their cells read empty
    int rowCount() const;
    void addRow(const QStringList& cells); // missing cells are empty
    void removeRow(int row);
    void deleteAllRows();
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

    // --- selection
    bool selected(int row) const;
    void setSelected(int row, bool selected);
    int selCount() const;

    // --- editing: a plain click in an editable column starts it, Return and a click
    // elsewhere end it keeping the text, Escape ends it restoring the text.
    void editCell(int row, int column);
    bool isEditing() const;
    // Ends the editing under way (if any) keeping its text, as a click elsewhere does.
    void endEditing();

    // --- sorting: a click on a heading sorts by that column, ascending; the same
    // heading again reverses. Texts compare without regard to case, ties by exact text.
    void pressHeader(int column);
    int sortedColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_ascending; }

    // The user pressed the mouse in a cell; x and y are within the cell. True means the
    // handler took the click; false lets the list handle it as usual (selecting, and in
    // an editable column editing).
    std::function<bool(int row, int column, int x, int y)> onCellClick;

    // The platform side.
    QTreeWidget* tree() const;
    void applyColumnWidths();

  private:
    int m_columns;
    QString m_widths;
    std::vector<bool> m_editable;
    int m_sortColumn = -1;
    bool m_ascending = true;
};
