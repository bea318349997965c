#pragma once

#include "platform/fs/FolderItem.h"
#include "platform/gui/ListRow.h"

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class ListBoxModel;
class ListBoxSelection;
class ListBoxView;
struct ListBoxLook;

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
    // row's next child instead (directly below it, in the order added). Rows added
    // after the handler removed or collapsed its own row are dropped.
    //
    // While the handler runs, rowCount(), row(), cellText() and expanded() already see
    // the children added so far at their final places. Any other call (selection,
    // expansion, sorting, scrolling) first places the children added so far; children
    // added afterwards still go below them, in order.
    void addRow(ListRow row);
    int rowCount() const;
    const ListRow& row(int index) const;
    QString cellText(int row, int column) const; // through the cell formatter
    void setCellUnderline(int row, bool underline); // column 0
    void setCellFormatter(std::function<QString(const ListRow&, int column)> f);

    // --- expansion: setting true runs onExpandRow at once
    bool expanded(int row) const;
    void setExpanded(int row, bool expanded);

    // --- selection; a call that changes it raises onChange once, after the change
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
    // As a user's click on the header: onHeaderPressed (true stops), then the direction
    // (the column whose header shows the indicator again reverses, another column
    // starts ascending), sortedColumn and indicator set, onSortColumn (true: the handler
    // sorted), else sort().
    void pressHeader(int column);

    // --- appearance
    void setHeadings(const QStringList& headings);
    void setColumnWidths(const QString& widths); // "350,5,140,90,80,80,1,0,0"
    QString columnWidths() const;
    void setColumnAlignment(int column, Qt::Alignment alignment);
    void setTextSize(int pixels);
    int textSize() const;
    // Automatic by default: 18 up to text size 12, else 1.5 times the text size (cut
    // off); a positive height fixes it, 0 makes it automatic again.
    void setRowHeight(int pixels);
    int rowHeight() const;
    void setAlternateRows(bool on); // rows 0, 2, 4 ... shaded #ECECEC
    void setPicture(int id, const QPixmap& picture);
    int scrollPosition() const; // index of the first row shown
    void setScrollPosition(int row);
    void setScrollBarVisible(bool visible);
    int rowAt(int y) const; // y in the list's coordinates; -1 outside rows

    // --- check boxes in column 0 (the drop-target marks); rows start unchecked
    bool checkBoxColumn() const;
    void setCheckBoxColumn(bool on); // off also unchecks every row
    bool cellCheck(int row) const;
    void setCellCheck(int row, bool checked);
    void uncheckAll();

    // --- events; each is optional
    std::function<void(int row)> onExpandRow;
    std::function<void()> onChange;                 // selection changed
    std::function<bool(int column)> onHeaderPressed; // true stops the sort
    std::function<bool(int column)> onSortColumn;    // true: the handler sorted
    std::function<void(int row, int column)> onCellTextPaint;
    std::function<void(int row)> onDoubleClick;
    std::function<void()> onMouseEnter;
    // A press in the list (x, y in the list's coordinates); true consumes it, so that
    // the list neither selects nor drags.
    std::function<bool(int x, int y)> onMouseDown;
    // A row is dragged: the handler fills the items to carry (empty entries allowed).
    // True hands them to the window system as file URLs, for other programs; false
    // ends the drag here.
    std::function<bool(std::vector<FolderItemPtr>& drag, int row)> onDragRow;
    std::function<void()> onMouseExit;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    class ChangeBatch;
    void selectionChanged();
    void startRowDrag(int row);
    void updateRowHeight();

    std::unique_ptr<ListBoxModel> m_model;
    std::unique_ptr<ListBoxLook> m_look;
    ListBoxView* m_view = nullptr;
    ListBoxSelection* m_selection = nullptr;
    int m_sortColumn = 0;
    bool m_sortAscending = true;
    int m_indicatorColumn = -1;
    bool m_indicatorAscending = true;
    int m_fixedRowHeight = 0;
    int m_batchDepth = 0;
    bool m_changedInBatch = false;
};
