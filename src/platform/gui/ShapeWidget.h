#pragma once

#include <QColor>
#include <QWidget>

// Draws a filled rectangle, optionally with rounded corners, and a one-pixel border.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    explicit ShapeWidget(QWidget* parent = nullptr) : QWidget(parent) {}

    QColor fill = Qt::white;
    QColor border = Qt::black;
    QSize corner; // empty for square corners

protected:
    void paintEvent(QPaintEvent* event) override;
};
