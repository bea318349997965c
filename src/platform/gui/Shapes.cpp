#include "platform/gui/Shapes.h"

#include "platform/gui/ShapeWidget.h"
#include "platform/gui/WindowBase.h"

#include <QPainter>

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(border.isValid() ? QPen(border) : Qt::NoPen);
    p.setBrush(fill);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (corner.isEmpty()) {
        p.drawRect(r);
    } else {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(r, corner.width() / 2.0, corner.height() / 2.0);
    }
}

RectangleShape::RectangleShape(WindowBase& window, int left, int top, int width, int height,
                               Control* inside)
    : RectangleShape(window, new ShapeWidget, left, top, width, height, inside)
{
}

RectangleShape::RectangleShape(WindowBase& window, ShapeWidget* widget, int left, int top,
                               int width, int height, Control* inside)
    : Control(window, widget, QRect(left, top, width, height), inside)
{
}

ShapeWidget* RectangleShape::shape() const
{
    return static_cast<ShapeWidget*>(widget());
}

QColor RectangleShape::fillColor() const
{
    return shape()->fill;
}

void RectangleShape::setFillColor(const QColor& color)
{
    shape()->fill = color;
    shape()->update();
}

QColor RectangleShape::borderColor() const
{
    return shape()->border;
}

void RectangleShape::setBorderColor(const QColor& color)
{
    shape()->border = color;
    shape()->update();
}

RoundRectangle::RoundRectangle(WindowBase& window, int left, int top, int width, int height,
                               Control* inside)
    : RectangleShape(window, left, top, width, height, inside)
{
    setCornerSize(8, 8);
}

void RoundRectangle::setCornerSize(int width, int height)
{
    shape()->corner = QSize(width, height);
    shape()->update();
}
