#include "platform/gui/Canvas.h"

#include "platform/gui/CanvasWidget.h"
#include "platform/gui/WindowBase.h"

#include <QMouseEvent>
#include <QPainter>

void CanvasWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_canvas.paintOn(p);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_tracking = m_canvas.onMouseDown && m_canvas.onMouseDown(pos.x(), pos.y());
    event->accept();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_tracking && (event->buttons() != Qt::NoButton) && m_canvas.onMouseDrag)
        m_canvas.onMouseDrag(pos.x(), pos.y());
    QWidget::mouseMoveEvent(event);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_tracking) {
        m_tracking = false;
        if (m_canvas.onMouseUp)
            m_canvas.onMouseUp(pos.x(), pos.y());
    }
    event->accept();
}

Canvas::Canvas(WindowBase& window, int left, int top, int width, int height, Control* inside)
    : Control(window, new CanvasWidget(*this), QRect(left, top, width, height), inside)
{
}

void Canvas::setBackdrop(const QPixmap& picture)
{
    m_backdrop = picture;
    widget()->update();
}

void Canvas::setCursorPicture(const QPixmap& cursor, int hotX, int hotY)
{
    if (cursor.isNull())
        widget()->unsetCursor();
    else
        widget()->setCursor(QCursor(cursor, hotX, hotY));
}

void Canvas::paintOn(QPainter& painter)
{
    if (!m_backdrop.isNull())
        painter.drawPixmap(0, 0, m_backdrop);
    if (onPaint)
        onPaint(painter);
}
