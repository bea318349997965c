#pragma once

#include "platform/gui/ListRow.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class ListBoxModel;
class ListBoxView;

// The program's hierarchical, multi-selection list box. It is flat: rows are numbered
// 0..rowCount()-1 across all depths, a folder row's children follow it, collapsing
// removes them. The header is exactly 16 pixels high, every row exactly rowHeight()
// pixels, and scrolling moves by whole rows, so that the program can map a pointer
// position to a row itself.
class ListBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 9;
    static constexpr int kHeaderHeight = 16;

    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;

    // --- rows
    void removeAllRows();
    // Appends the row; while the expand handler of a row runs, the row becomes that
    // row's next child instead (directly below it, in the order added).
    void addRow(ListRow row);
    int rowCount() const;
    const ListRow& row(int index) const;
    QString cellText(int row, int column) const; // through the cell formatter
    void setCellFormatter(std::function<QString(const ListRow&, int column)> f);

    // --- expansion: setting true runs onExpandRow at once
    bool expanded(int row) const;
    void setExpanded(int row, bool expanded);

    // --- selection; changes made by code raise onChange once per call
    int selCount() const;
    bool selected(int row) const;
    void setSelected(int row, bool selected);
    void selectRows(const std::vector<int>& rows); // adds to the selection
    void deselectAll();
    std::vector<int> selectedRows() const; // ascending

    // --- sorting: by comparing cell texts without regard to case, ties by exact text;
    // rows are sorted among their siblings, children stay under their parents.
    int sortedColumn() const;
    bool sortAscending() const;
    void setSortedColumn(int column);       // does not sort
    void setSortAscending(bool ascending);  // does not sort
    void sort();
    // The column whose header shows the sort indicator (the size column shows while the
    // list sorts by its hidden key).
    void setHeaderIndicator(int column, bool ascending);
    void pressHeader(int column); // as a user's click on the header

    // --- appearance
    void setHeadings(const QStringList& headings);
    void setColumnWidths(const QString& widths); // "350,5,140,90,80,80,1,0,0"
    QString columnWidths() const;
    void setColumnAlignment(int column, Qt::Alignment alignment);
    void setTextSize(int pixels);
    int textSize() const;
    void setRowHeight(int pixels);
    int rowHeight() const;
    void setAlternateRows(bool on); // rows 0, 2, 4 ... shaded #ECECEC
    void setPicture(int id, const QPixmap& picture);
    int scrollPosition() const; // index of the first row shown
    void setScrollPosition(int row);
    void setScrollBarVisible(bool visible);
    int rowAt(int y) const; // y in the list's coordinates; -1 outside rows

    // --- events; each is optional
    std::function<void(int row)> onExpandRow;
    std::function<void()> onChange;                 // selection changed
    std::function<bool(int column)> onHeaderPressed; // true stops the sort
    std::function<bool(int column)> onSortColumn;    // true: the handler sorted
    std::function<void(int row, int column)> onCellTextPaint;
    std::function<void(int row)> onDoubleClick;
    std::function<void()> onMouseExit;

private:
    std::unique_ptr<ListBoxModel> m_model;
    ListBoxView* m_view = nullptr;
};
