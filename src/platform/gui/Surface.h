#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

// The client area of a window: paints the background colour and reports the pointer
// over the background itself (not over a child control).
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);
    void setBackColor(const QColor& color);

    std::function<bool(int x, int y)> onMouseDown;
    std::function<void(int x, int y)> onMouseMove;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;
    std::function<void(QSize oldSize, QSize newSize)> onResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool overBackground(const QPoint& pos) const;
    QColor m_color;
};
