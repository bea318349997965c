#include "platform/gui/ListBoxView.h"

#include "platform/gui/ListBox.h"
#include "platform/gui/ListBoxDelegate.h"
#include "platform/gui/ListBoxHeader.h"
#include "platform/gui/ListBoxLook.h"
#include "platform/gui/ListBoxModel.h"
#include "platform/gui/ListBoxSelection.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kHeaderTextPixels = 11;
}

ListBoxView::ListBoxView(ListBoxModel& model, const ListBoxLook& look, QWidget* parent)
    : QTreeView(parent), m_model(model), m_look(look),
      m_delegate(new ListBoxDelegate(model, look, this))
{
    setHeader(new ListBoxHeader(this));
    setModel(&model);
    setItemDelegate(m_delegate);
    setUniformRowHeights(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Dragging rows: a press on a selected row keeps the selection until the release,
    // so that several rows can be dragged; startDrag() hands the drag to the program.
    setDragEnabled(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // No frame: the header starts at the list's top edge and row 0 right below it,
    // where the program's own pointer arithmetic expects them.
    setFrameShape(QFrame::NoFrame);

    QHeaderView* head = header();
    QFont headFont = head->font();
    headFont.setPixelSize(kHeaderTextPixels);
    head->setFont(headFont);
    head->setFixedHeight(ListBox::kHeaderHeight);
    // After setSortingEnabled(false), which makes the headings unclickable: the list
    // sorts itself on a click.
    head->setSectionsClickable(true);
    head->setSortIndicatorShown(true);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Scrolled to the far right, the last border would lie on the list's right edge,
    // where nobody can take hold of it: leave room for its grip.
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int min, int max) {
        const int room = ListBoxHeader::kGripMargin + 2;
        const int wanted = header()->length() + room - viewport()->width();
        if (wanted > max)
            horizontalScrollBar()->setRange(min, wanted);
    });
}

void ListBoxView::relayoutRows()
{
    doItemsLayout();
    viewport()->update();
}

int ListBoxView::firstRow()
{
    executeDelayedItemsLayout();
    return verticalScrollBar()->value();
}

void ListBoxView::setFirstRow(int row)
{
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

void ListBoxView::paintEvent(QPaintEvent* event)
{
    // Rows added since the event loop last ran are announced now, so that a forced
    // repaint shows them too.
    m_model.settle();
    if (m_look.alternateRows)
        paintStripes();
    QTreeView::paintEvent(event);
}

// Every row slot on screen with an even row index is shaded, whether a row stands
// there or not, as the original list did.
void ListBoxView::paintStripes()
{
    QPainter painter(viewport());
    const int height = std::max(1, m_look.rowHeight);
    const int width = viewport()->width();
    int row = firstRow();
    for (int y = 0; y < viewport()->height(); y += height, ++row) {
        if (row % 2 == 0)
            painter.fillRect(0, y, width, height, ListBoxLook::shade());
    }
}

void ListBoxView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    if (m_selection && m_selection->contains(index.row()))
        cell.state |= QStyle::State_Selected;
    else
        cell.state &= ~QStyle::State_Selected;
    const QHeaderView* head = header();
    const int viewportWidth = viewport()->width();
    for (int visual = 0; visual < head->count(); ++visual) {
        const int column = head->logicalIndex(visual);
        const int x = head->sectionViewportPosition(column);
        const int width = head->sectionSize(column);
        if (head->isSectionHidden(column) || width <= 0 || x >= viewportWidth || x + width <= 0)
            continue;
        cell.rect = QRect(x, option.rect.y(), width, option.rect.height());
        m_delegate->paint(painter, cell, m_model.index(index.row(), column));
    }
}

int ListBoxView::triangleRowAt(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || header()->logicalIndexAt(pos.x()) != 0)
        return -1;
    const ListRow& row = m_model.shownRow(index.row());
    if (!row.folderRow)
        return -1;
    QRect cell = visualRect(m_model.index(index.row(), 0));
    if (m_look.checkBoxColumn)
        cell.setLeft(cell.left() + ListBoxLook::kCheckBoxWidth);
    return ListBoxLook::triangleRect(cell, row.depth).contains(pos) ? index.row() : -1;
}

void ListBoxView::mousePressEvent(QMouseEvent* event)
{
    if (onPress && onPress(viewport()->mapTo(parentWidget(), event->position().toPoint()))) {
        event->accept();
        return;
    }
    const QModelIndex pressed = indexAt(event->position().toPoint());
    m_pressedRow = pressed.isValid() ? pressed.row() : -1;
    const int row = triangleRowAt(event->position().toPoint());
    if (row >= 0 && event->button() == Qt::LeftButton) {
        event->accept();
        if (onToggle)
            onToggle(row);
        return;
    }
    QTreeView::mousePressEvent(event);
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const int triangle = triangleRowAt(pos);
    if (triangle >= 0) {
        // The second click of a quick pair on a triangle toggles again.
        mousePressEvent(event);
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && event->button() == Qt::LeftButton && onDoubleClick)
        onDoubleClick(index.row());
}

// The program's drag runs a loop of its own, in which the view goes on receiving
// moves while it still thinks a drag is about to start: one press, one drag.
void ListBoxView::startDrag(Qt::DropActions)
{
    const int row = m_pressedRow;
    m_pressedRow = -1;
    if (row >= 0 && onStartDrag)
        onStartDrag(row);
}
