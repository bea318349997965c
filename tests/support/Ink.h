#pragma once

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <utility>

// Where the dark pixels of a widget's drawing begin and end across its width, a margin
// of the frame left out; first > last when nothing dark is drawn.
inline std::pair<int, int> inkSpan(QWidget* widget, int margin = 3)
{
    const QImage image = widget->grab().toImage();
    int first = image.width(), last = -1;
    for (int y = margin; y < image.height() - margin; ++y)
        for (int x = margin; x < image.width() - margin; ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// Whether the drawing lies in the middle of the widget, give or take a few pixels.
inline bool inkCentred(QWidget* widget)
{
    const auto [first, last] = inkSpan(widget);
    return first < last && std::abs(first - (widget->width() - 1 - last)) <= 4;
}
