#pragma once

#include "platform/gui/Control.h"

class QLineEdit;
class QPlainTextEdit;

// An edit field, one line or several. Ctrl+C/X/V/Z work in it as usual. A one-line
// field holds one line only: line breaks in typed, pasted or dropped text are dropped,
// so that a name or a code never receives one.
class TextField : public Control {
    Q_OBJECT
public:
    TextField(WindowBase& window, int left, int top, int width, int height,
              bool multiLine = false, Control* inside = nullptr);

    QString text() const;
    void setText(const QString& text); // "\r" breaks lines; a one-line field shows a space
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    void setBackColor(const QColor& color);
    void setAlignment(Qt::Alignment alignment); // horizontal
    void setScrollBar(bool vertical);
    void selectAll();
    void setFocus();

    std::function<void()> onTextChange;
    // key as Window::onKeyDown gives it; true swallows the key.
    std::function<bool(const QString& key, int modifiers)> onKeyDown;

protected:
    void textSizeChanged() override;
    // A field that takes file drops takes them where Qt delivers them (a multi-line
    // field's viewport), instead of placing the caret or inserting the URL as text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* dropTarget() const;

    QLineEdit* m_line = nullptr;     // one line
    QPlainTextEdit* m_edit = nullptr; // several lines
};
