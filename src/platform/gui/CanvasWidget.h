#pragma once

#include <QWidget>

class Canvas;

// The widget of a Canvas: paints through it and hands it the mouse.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(Canvas& canvas) : m_canvas(canvas) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Canvas& m_canvas;
    bool m_tracking = false; // the press was kept: drags and the release follow
};
