#include "platform/gui/PushButton.h"

#include "platform/gui/CompactButton.h"
#include "platform/gui/KeyMapping.h"
#include "platform/gui/WindowBase.h"

#include <QGuiApplication>

PushButton::PushButton(WindowBase& window, int left, int top, int width, int height,
                       const QString& caption, Control* inside)
    : PushButton(window, new CompactButton, left, top, width, height, caption, inside)
{
}

PushButton::PushButton(WindowBase& window, QPushButton* widget, int left, int top, int width,
                       int height, const QString& caption, Control* inside)
    : Control(window, widget, QRect(left, top, width, height), inside)
{
    setTextSize(12);
    setCaption(caption);
    widget->setFocusPolicy(Qt::TabFocus);
    connect(widget, &QPushButton::clicked, this, [this] {
        // The keys of the click are those Qt recorded with the last input event, not the
        // keyboard's state by the time the handler looks.
        m_actionModifiers = m_pushing ? *m_pushing : macModifiers(QGuiApplication::keyboardModifiers());
        if (onAction)
            onAction();
    });
}

QPushButton* PushButton::button() const
{
    return static_cast<QPushButton*>(widget());
}

void PushButton::setCaption(const QString& caption)
{
    m_caption = caption;
    button()->setText(withLineBreaks(caption));
}

void PushButton::setDefault(bool isDefault)
{
    button()->setDefault(isDefault);
    if (isDefault)
        window().setDefaultButton(this);
    else if (window().defaultButton() == this)
        window().setDefaultButton(nullptr);
}

void PushButton::setCancel(bool isCancel)
{
    if (isCancel)
        window().setCancelButton(this);
    else if (window().cancelButton() == this)
        window().setCancelButton(nullptr);
}

void PushButton::push(int modifiers)
{
    if (!visible() || !enabled())
        return;
    m_pushing = modifiers;
    button()->click();
    m_pushing.reset();
}

void PushButton::textSizeChanged()
{
    button()->update();
}

BevelButton::BevelButton(WindowBase& window, int left, int top, int width, int height,
                         const QString& caption, Control* inside)
    : PushButton(window, left, top, width, height, caption, inside)
{
    static_cast<QPushButton*>(widget())->setFlat(false);
    widget()->setAttribute(Qt::WA_Hover);
}
