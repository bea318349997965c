#include "platform/gui/ListBoxDelegate.h"

#include "platform/gui/ListBoxModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

ListBoxDelegate::ListBoxDelegate(const ListBoxModel& model, const ListBoxLook& look,
                                 QObject* parent)
    : QAbstractItemDelegate(parent), m_model(model), m_look(look)
{
}

QSize ListBoxDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return QSize(ListBoxLook::kPictureSize, m_look.rowHeight);
}

void ListBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled)
                                           ? QPalette::Disabled
                                           : (option.state & QStyle::State_Active)
                                                 ? QPalette::Active
                                                 : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

    const ListRow& row = m_model.shownRow(index.row());
    QRect textRect = option.rect.adjusted(2, 0, -2, 0);
    QFont font = option.font;
    if (index.column() == 0) {
        QRect cell = option.rect;
        if (m_look.checkBoxColumn) {
            paintCheckBox(painter, cell, m_look.checkedRows.contains(index.row()));
            cell.setLeft(cell.left() + ListBoxLook::kCheckBoxWidth);
        }
        textRect.setLeft(paintNameDecoration(painter, cell, row, option));
        font.setUnderline(row.underline);
    }
    if (textRect.width() <= 0)
        return;
    const QString text = m_model.shownText(index.row(), index.column());
    if (onCellTextPaint)
        onCellTextPaint(index.row(), index.column());
    painter->save();
    painter->setFont(font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText
                                                         : QPalette::Text));
    const QString shown =
        QFontMetrics(font).elidedText(text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, int(m_model.alignment(index.column()) | Qt::AlignVCenter),
                      shown);
    painter->restore();
}

// Returns where the name's text begins.
int ListBoxDelegate::paintNameDecoration(QPainter* painter, const QRect& cell,
                                         const ListRow& row,
                                         const QStyleOptionViewItem& option) const
{
    const QRect triangle = ListBoxLook::triangleRect(cell, row.depth);
    if (row.folderRow)
        paintTriangle(painter, triangle, row.expanded, option);
    int x = triangle.right() + 1;
    const auto picture = m_look.pictures.constFind(row.picture);
    if (row.picture != 0 && picture != m_look.pictures.cend() && !picture->isNull()) {
        const int side = std::min(ListBoxLook::kPictureSize, cell.height());
        const QRect target(x, cell.top() + (cell.height() - side) / 2, side, side);
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(target, *picture);
        painter->restore();
        x += ListBoxLook::kPictureSize;
    }
    return x + ListBoxLook::kGap;
}

void ListBoxDelegate::paintTriangle(QPainter* painter, const QRect& box, bool expanded,
                                    const QStyleOptionViewItem& option) const
{
    const QPointF c = QRectF(box).center();
    const qreal r = 4.0;
    QPainterPath path;
    if (expanded) {
        path.moveTo(c.x() - r, c.y() - r / 2);
        path.lineTo(c.x() + r, c.y() - r / 2);
        path.lineTo(c.x(), c.y() + r / 2 + 1);
    } else {
        path.moveTo(c.x() - r / 2, c.y() - r);
        path.lineTo(c.x() + r / 2 + 1, c.y());
        path.lineTo(c.x() - r / 2, c.y() + r);
    }
    path.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillPath(path, selected ? option.palette.highlightedText()
                                     : QBrush(QColor(0x60, 0x60, 0x60)));
    painter->restore();
}

void ListBoxDelegate::paintCheckBox(QPainter* painter, const QRect& cell, bool checked) const
{
    const int side = std::min(12, cell.height() - 4);
    const QRect box(cell.left() + 3, cell.top() + (cell.height() - side) / 2, side, side);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillRect(box, Qt::white);
    painter->setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (checked) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.2, box.top() + side * 0.55);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.78);
        tick.lineTo(box.left() + side * 0.82, box.top() + side * 0.22);
        painter->setPen(QPen(Qt::black, 2));
        painter->drawPath(tick);
    }
    painter->restore();
}
