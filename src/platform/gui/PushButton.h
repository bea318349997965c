#pragma once

#include "platform/gui/Control.h"

#include <optional>

class QPushButton;

// A push button. A "\r" in the caption breaks the line; two lines fit 23 pixels.
class PushButton : public Control {
    Q_OBJECT
public:
    PushButton(WindowBase& window, int left, int top, int width, int height,
               const QString& caption = {}, Control* inside = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Default: Return/Enter press it; cancel: Escape and Ctrl+period press it.
    void setDefault(bool isDefault);
    void setCancel(bool isCancel);
    // Presses the button as a click with these keys held (Mac bits) does; only while
    // visible and enabled.
    void push(int modifiers = 0);
    // The modifier keys (Mac bits) recorded with the click that raised onAction.
    int actionModifiers() const { return m_actionModifiers; }

    std::function<void()> onAction;

protected:
    PushButton(WindowBase& window, QPushButton* widget, int left, int top, int width,
               int height, const QString& caption, Control* inside);
    void textSizeChanged() override;

private:
    QPushButton* button() const;
    QString m_caption;
    int m_actionModifiers = 0;
    std::optional<int> m_pushing;
};

// A bevel button: a flat-framed push button (the drag-cancel button).
class BevelButton : public PushButton {
    Q_OBJECT
public:
    BevelButton(WindowBase& window, int left, int top, int width, int height,
                const QString& caption = {}, Control* inside = nullptr);
};
