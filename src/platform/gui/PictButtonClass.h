#pragma once

#include "platform/gui/Canvas.h"

#include <QPixmap>

// The two-state picture button: shows activePict while value is true, inactivePict
// while false, and raises onAction when pressed (on the press, not the release) while
// active; a dimmed button ignores presses.
class PictButtonClass : public Canvas {
    Q_OBJECT
public:
    PictButtonClass(WindowBase& window, int left, int top, int width, int height,
                    Control* inside = nullptr);

    bool value() const { return m_value; }
    void setValue(bool value); // stores it and redraws at once
    QPixmap activePict;
    QPixmap inactivePict;
    bool preventRedraw = false;

    // The press as the mouse gives it (x, y in the button); returns false like the
    // design's MouseDown, so that the click is not kept.
    bool MouseDown(int x, int y);
    void Paint(); // installs the picture of the current state as the backdrop
    // The modifier keys (Mac bits) held with the press that raised onAction.
    int actionModifiers() const { return m_actionModifiers; }

    std::function<void()> onAction;

private:
    bool m_value = false;
    int m_actionModifiers = 0;
};
