#pragma once

#include "platform/gui/Control.h"

class QPlainTextEdit;

// An edit field, one line or several. Ctrl+C/X/V/Z work in it as usual.
class TextField : public Control {
    Q_OBJECT
public:
    TextField(WindowBase& window, int left, int top, int width, int height,
              bool multiLine = false, Control* inside = nullptr);

    QString text() const;
    void setText(const QString& text); // "\r" breaks lines
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    void setBackColor(const QColor& color);
    void setScrollBar(bool vertical);
    void selectAll();
    void setFocus();

    std::function<void()> onTextChange;
    // key as Window::onKeyDown gives it; true swallows the key.
    std::function<bool(const QString& key, int modifiers)> onKeyDown;

protected:
    void textSizeChanged() override;
    // Drags arrive at the edit's viewport; a field that takes file drops takes them there.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* edit() const;
    bool m_multiLine;
};
