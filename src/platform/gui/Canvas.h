#pragma once

#include "platform/gui/Control.h"

#include <QPixmap>

class QPainter;
class CanvasWidget;

// A canvas: shows a backdrop picture and lets the program paint. Mouse coordinates
// are the canvas's own. onMouseDown returning true keeps the mouse for Drag/Up.
class Canvas : public Control {
    Q_OBJECT
public:
    Canvas(WindowBase& window, int left, int top, int width, int height,
           Control* inside = nullptr);

    QPixmap backdrop() const { return m_backdrop; }
    void setBackdrop(const QPixmap& picture); // redraws
    void setCursorPicture(const QPixmap& cursor, int hotX = 0, int hotY = 0);

    std::function<void(QPainter&)> onPaint; // after the backdrop is drawn
    std::function<bool(int x, int y)> onMouseDown;
    std::function<void(int x, int y)> onMouseUp;
    std::function<void(int x, int y)> onMouseDrag;

    // The platform side, used by CanvasWidget.
    void paintOn(QPainter& painter);

private:
    QPixmap m_backdrop;
};
