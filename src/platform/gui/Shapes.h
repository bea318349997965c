#pragma once

#include "platform/gui/Control.h"

class ShapeWidget;

// A filled rectangle with a border (a frame other controls sit inside).
class RectangleShape : public Control {
    Q_OBJECT
public:
    RectangleShape(WindowBase& window, int left, int top, int width, int height,
                   Control* inside = nullptr);

    QColor fillColor() const;
    void setFillColor(const QColor& color);
    QColor borderColor() const;
    void setBorderColor(const QColor& color);

protected:
    RectangleShape(WindowBase& window, ShapeWidget* widget, int left, int top, int width,
                   int height, Control* inside);
    ShapeWidget* shape() const;
};

// A filled rectangle with rounded corners.
class RoundRectangle : public RectangleShape {
    Q_OBJECT
public:
    RoundRectangle(WindowBase& window, int left, int top, int width, int height,
                   Control* inside = nullptr);

    void setCornerSize(int width, int height);
};
