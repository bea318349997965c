#include "platform/gui/PictButtonClass.h"

#include "platform/gui/Services.h"

#include <QWidget>

PictButtonClass::PictButtonClass(WindowBase& window, int left, int top, int width, int height,
                                 Control* inside)
    : Canvas(window, left, top, width, height, inside)
{
    onMouseDown = [this](int x, int y) { return MouseDown(x, y); };
    onPaint = [this](QPainter&) { Paint(); };
}

void PictButtonClass::setValue(bool value)
{
    m_value = value;
    Paint();
    refresh();
}

void PictButtonClass::Paint()
{
    if (preventRedraw)
        return;
    preventRedraw = true;
    const QPixmap& pict = m_value ? activePict : inactivePict;
    // Installing the backdrop schedules a repaint, which runs Paint again: only when the
    // picture really changed.
    if (backdrop().cacheKey() != pict.cacheKey())
        setBackdrop(pict);
    preventRedraw = false;
}

bool PictButtonClass::MouseDown(int, int)
{
    if (m_value && enabled() && onAction) {
        m_actionModifiers = Services::instance().modifiers();
        onAction();
    }
    return false;
}
