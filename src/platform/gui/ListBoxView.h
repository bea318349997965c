#pragma once

#include <QTreeView>
#include <functional>

class ListBoxDelegate;
class ListBoxModel;
class ListBoxSelection;
struct ListBoxLook;

// Shows the flat list: a 16-pixel header, rows of exactly the look's row height,
// scrolling by whole rows, shading of even rows (also below the last row, where the
// list is empty), disclosure triangles that toggle on a click.
class ListBoxView : public QTreeView {
    Q_OBJECT
public:
    ListBoxView(ListBoxModel& model, const ListBoxLook& look, QWidget* parent);

    ListBoxDelegate* delegate() const { return m_delegate; }
    void setRowSelection(const ListBoxSelection* selection) { m_selection = selection; }
    // Lays the rows out again after the row height changed.
    void relayoutRows();
    int firstRow();
    void setFirstRow(int row);

    std::function<void(int row)> onToggle;
    std::function<void(int row)> onDoubleClick;
    std::function<void(int row)> onStartDrag;
    std::function<bool(const QPoint& inList)> onPress; // true consumes the press

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    int triangleRowAt(const QPoint& pos) const;
    void paintStripes();

    ListBoxModel& m_model;
    const ListBoxLook& m_look;
    ListBoxDelegate* m_delegate;
    const ListBoxSelection* m_selection = nullptr;
    int m_pressedRow = -1;
};
