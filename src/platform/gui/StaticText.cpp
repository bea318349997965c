#include "platform/gui/StaticText.h"

#include "platform/gui/WindowBase.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

class ClickLabel : public QLabel {
public:
    StaticText* owner = nullptr;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        const QPoint p = e->position().toPoint();
        if (owner && owner->onMouseDown && owner->onMouseDown(p.x(), p.y()))
            e->accept();
        else
            QLabel::mousePressEvent(e);
    }
};

} // namespace

StaticText::StaticText(WindowBase& window, int left, int top, int width, int height,
                       const QString& text, Control* inside)
    : Control(window, new ClickLabel, QRect(left, top, width, height), inside)
{
    static_cast<ClickLabel*>(label())->owner = this;
    label()->setTextFormat(Qt::PlainText);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(text);
}

QLabel* StaticText::label() const
{
    return static_cast<QLabel*>(widget());
}

void StaticText::setText(const QString& text)
{
    m_text = text;
    label()->setText(withLineBreaks(text));
}

void StaticText::setMultiLine(bool multiLine)
{
    label()->setWordWrap(multiLine);
}

void StaticText::setAlignment(Qt::Alignment alignment)
{
    label()->setAlignment(alignment);
}

void StaticText::setTextColor(const QColor& color)
{
    QPalette pal = label()->palette();
    pal.setColor(QPalette::WindowText, color);
    label()->setPalette(pal);
}

void StaticText::setUnderline(bool underline)
{
    QFont f = label()->font();
    f.setUnderline(underline);
    label()->setFont(f);
}

void StaticText::setCursor(const QCursor& cursor)
{
    label()->setCursor(cursor);
}

void StaticText::textSizeChanged()
{
    label()->update();
}
