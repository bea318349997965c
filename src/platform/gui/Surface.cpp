#include "platform/gui/Surface.h"

#include <QMouseEvent>
#include <QPainter>

Surface::Surface(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackColor(const QColor& color)
{
    m_color = color;
    update();
}

void Surface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_color);
}

bool Surface::overBackground(const QPoint& pos) const
{
    // Moves over a child that does not track the mouse propagate up to us; the program
    // means the window's own background only.
    return rect().contains(pos) && childAt(pos) == nullptr;
}

void Surface::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (overBackground(pos) && onMouseDown && onMouseDown(pos.x(), pos.y()))
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void Surface::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (overBackground(pos) && onMouseMove)
        onMouseMove(pos.x(), pos.y());
    QWidget::mouseMoveEvent(event);
}

void Surface::enterEvent(QEnterEvent* event)
{
    if (onMouseEnter)
        onMouseEnter();
    QWidget::enterEvent(event);
}

void Surface::leaveEvent(QEvent* event)
{
    if (onMouseExit)
        onMouseExit();
    QWidget::leaveEvent(event);
}

void Surface::resizeEvent(QResizeEvent* event)
{
    if (onResize)
        onResize(event->oldSize(), event->size());
    QWidget::resizeEvent(event);
}
