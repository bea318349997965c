#include "platform/gui/LittleArrows.h"

#include "platform/gui/WindowBase.h"

#include <QMouseEvent>
#include <QStyleOptionSpinBox>
#include <QStylePainter>
#include <QTimer>

namespace {

// Two stacked arrow buttons; held down they repeat like the Mac control does.
class ArrowsWidget : public QWidget {
public:
    explicit ArrowsWidget(LittleArrows& owner) : m_owner(owner)
    {
        m_repeat.setInterval(120);
        connect(&m_repeat, &QTimer::timeout, this, [this] { fire(); });
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionSpinBox option;
        option.initFrom(this);
        option.frame = false;
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        option.stepEnabled = isEnabled() ? QAbstractSpinBox::StepUpEnabled
                                               | QAbstractSpinBox::StepDownEnabled
                                         : QAbstractSpinBox::StepNone;
        option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
        option.rect = rect();
        p.drawComplexControl(QStyle::CC_SpinBox, option);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        m_up = e->position().y() < height() / 2.0;
        fire();
        m_repeat.start(400);
    }
    void mouseReleaseEvent(QMouseEvent*) override { m_repeat.stop(); }

private:
    void fire()
    {
        m_repeat.setInterval(120);
        m_up ? m_owner.pressUp() : m_owner.pressDown();
    }
    LittleArrows& m_owner;
    QTimer m_repeat;
    bool m_up = true;
};

} // namespace

LittleArrows::LittleArrows(WindowBase& window, int left, int top, int width, int height,
                           Control* inside)
    : Control(window, new ArrowsWidget(*this), QRect(left, top, width, height), inside)
{
}

void LittleArrows::pressUp()
{
    if (enabled() && onUp)
        onUp();
}

void LittleArrows::pressDown()
{
    if (enabled() && onDown)
        onDown();
}
