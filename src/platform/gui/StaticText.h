#pragma once

#include "platform/gui/Control.h"

class QCursor;
class QLabel;

// A static text; "\r" breaks lines, long texts wrap when multiLine is set.
class StaticText : public Control {
    Q_OBJECT
public:
    StaticText(WindowBase& window, int left, int top, int width, int height,
               const QString& text = {}, Control* inside = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setMultiLine(bool multiLine);
    void setAlignment(Qt::Alignment alignment);
    void setTextColor(const QColor& color);
    void setUnderline(bool underline);
    void setCursor(const QCursor& cursor); // the pointer's shape while over the text

    std::function<bool(int x, int y)> onMouseDown; // control coordinates

protected:
    void textSizeChanged() override;

private:
    QLabel* label() const;
    QString m_text;
};
