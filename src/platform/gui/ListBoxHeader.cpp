#include "platform/gui/ListBoxHeader.h"

#include <QMouseEvent>
#include <cstdlib>

ListBoxHeader::ListBoxHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setMinimumSectionSize(0);
    setStretchLastSection(false);
    setSectionsMovable(false);
    // Widths change only through the grips below; QHeaderView's own resizing stays off.
    setSectionResizeMode(QHeaderView::Fixed);
}

int ListBoxHeader::rightBorder(int visual) const
{
    const int column = logicalIndex(visual);
    return sectionViewportPosition(column) + sectionSize(column);
}

ListBoxHeader::Grip ListBoxHeader::gripAt(int x) const
{
    Grip grip;
    int nearest = kGripMargin + 1;
    int border = 0;
    for (int visual = 0; visual < count(); ++visual) {
        if (isSectionHidden(logicalIndex(visual)))
            continue;
        const int at = rightBorder(visual);
        const int distance = std::abs(x - at);
        if (distance < nearest) {
            nearest = distance;
            border = at;
            grip = {visual, visual};
        } else if (grip.found() && at == border) {
            grip.last = visual; // a column of width 0 ends where the one before it ends
        }
    }
    return grip;
}

void ListBoxHeader::mousePressEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    const Grip grip = event->button() == Qt::LeftButton ? gripAt(x) : Grip();
    if (!grip.found()) {
        QHeaderView::mousePressEvent(event);
        return;
    }
    m_grip = grip;
    m_pressX = x;
    m_column = -1;
    event->accept();
}

void ListBoxHeader::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    if (!m_grip.found()) {
        QHeaderView::mouseMoveEvent(event);
        if (gripAt(x).found())
            setCursor(Qt::SplitHCursor);
        else
            unsetCursor();
        return;
    }
    const int dx = x - m_pressX;
    if (m_column < 0) {
        if (dx > 0)
            m_column = logicalIndex(m_grip.last);
        else if (dx < 0 && sectionSize(logicalIndex(m_grip.first)) > 0)
            m_column = logicalIndex(m_grip.first);
        else
            return;
        m_startWidth = sectionSize(m_column);
    }
    resizeSection(m_column, std::max(0, m_startWidth + dx));
    event->accept();
}

void ListBoxHeader::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_grip.found()) {
        QHeaderView::mouseReleaseEvent(event);
        return;
    }
    m_grip = Grip();
    m_column = -1;
    event->accept();
}

void ListBoxHeader::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a quick pair on a border is a second drag, not a sort.
    if (event->button() == Qt::LeftButton && gripAt(event->position().toPoint().x()).found()) {
        mousePressEvent(event);
        return;
    }
    QHeaderView::mouseDoubleClickEvent(event);
}
