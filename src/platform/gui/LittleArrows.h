#pragma once

#include "platform/gui/Control.h"

// Up-and-down arrows: a press on the upper half runs onUp, the lower half onDown.
// Held down, they repeat.
class LittleArrows : public Control {
    Q_OBJECT
public:
    LittleArrows(WindowBase& window, int left, int top, int width, int height,
                 Control* inside = nullptr);

    void pressUp();   // as a click on the upper arrow
    void pressDown();

    std::function<void()> onUp;
    std::function<void()> onDown;
};
