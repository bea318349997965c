#pragma once

#include "platform/gui/Control.h"

class QCheckBox;

// A check box. onAction runs whenever the value changes, from a click or from code,
// and only then.
class CheckBox : public Control {
    Q_OBJECT
public:
    CheckBox(WindowBase& window, int left, int top, int width, int height,
             const QString& caption = {}, Control* inside = nullptr);

    bool value() const;
    void setValue(bool checked);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    std::function<void()> onAction;

protected:
    void textSizeChanged() override;

private:
    QCheckBox* box() const;
    QString m_caption;
};

// A radio button; buttons with the same group number in one window exclude each other.
// onAction runs when the button becomes selected, from a click or from code.
class RadioButton : public Control {
    Q_OBJECT
public:
    RadioButton(WindowBase& window, int left, int top, int width, int height,
                const QString& caption = {}, int group = 0, Control* inside = nullptr);

    bool value() const;
    void setValue(bool selected);
    QString caption() const;
    void setCaption(const QString& caption);

    std::function<void()> onAction;
};
