#pragma once

#include "platform/gui/ListBoxLook.h"

#include <QAbstractItemDelegate>
#include <functional>

class ListBoxModel;
struct ListRow;

// Draws one cell: selection highlight, then for column 0 the indentation, disclosure
// triangle, row picture and (underlined) name, for the others the formatted text.
class ListBoxDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    ListBoxDelegate(const ListBoxModel& model, const ListBoxLook& look, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Called each time a cell's text is drawn.
    std::function<void(int row, int column)> onCellTextPaint;

private:
    int paintNameDecoration(QPainter* painter, const QRect& cell, const ListRow& row,
                            const QStyleOptionViewItem& option) const;
    void paintCheckBox(QPainter* painter, const QRect& cell, bool checked) const;
    void paintTriangle(QPainter* painter, const QRect& box, bool expanded,
                       const QStyleOptionViewItem& option) const;

    const ListBoxModel& m_model;
    const ListBoxLook& m_look;
};
