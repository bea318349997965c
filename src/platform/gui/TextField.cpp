#include "platform/gui/TextField.h"

#include "platform/gui/KeyMapping.h"
#include "platform/gui/WindowBase.h"

#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

class FieldEdit : public QPlainTextEdit {
public:
    TextField* owner = nullptr;
    bool multiLine = false;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const QString key = macKeyText(e->key(), int(e->modifiers()), e->text());
        if (owner && owner->onKeyDown && !key.isEmpty()
            && owner->onKeyDown(key, macModifiers(int(e->modifiers())))) {
            e->accept();
            return;
        }
        // A one-line field leaves Return and Escape to the window's buttons.
        const bool lineEnd = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if ((!multiLine && lineEnd) || e->key() == Qt::Key_Escape) {
            e->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }
};

} // namespace

TextField::TextField(WindowBase& window, int left, int top, int width, int height,
                     bool multiLine, Control* inside)
    : Control(window, new FieldEdit, QRect(left, top, width, height), inside),
      m_multiLine(multiLine)
{
    auto* e = static_cast<FieldEdit*>(edit());
    e->owner = this;
    e->multiLine = multiLine;
    e->setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setTabChangesFocus(true);
    if (!multiLine)
        e->document()->setDocumentMargin(2);
    e->viewport()->installEventFilter(this);
    connect(e, &QPlainTextEdit::textChanged, this, [this] {
        if (onTextChange)
            onTextChange();
    });
}

QPlainTextEdit* TextField::edit() const
{
    return static_cast<QPlainTextEdit*>(widget());
}

QString TextField::text() const
{
    return edit()->toPlainText();
}

void TextField::setText(const QString& text)
{
    QString t = withLineBreaks(text);
    if (!m_multiLine)
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    edit()->setPlainText(t);
}

bool TextField::readOnly() const
{
    return edit()->isReadOnly();
}

void TextField::setReadOnly(bool readOnly)
{
    edit()->setReadOnly(readOnly);
}

void TextField::setBackColor(const QColor& color)
{
    QPalette pal = edit()->palette();
    pal.setColor(QPalette::Base, color);
    edit()->setPalette(pal);
}

void TextField::setScrollBar(bool vertical)
{
    edit()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TextField::selectAll()
{
    edit()->selectAll();
}

void TextField::setFocus()
{
    edit()->setFocus();
}

void TextField::textSizeChanged()
{
    edit()->document()->setDefaultFont(edit()->font());
}

bool TextField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit()->viewport())
        return Control::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragMove:
        // A file held over the field is not text to place: the caret stays where it is.
        if (!acceptsFileDrops())
            return false;
        static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::DragEnter:
    case QEvent::DragLeave:
    case QEvent::Drop:
        // Without this a dropped file would be inserted as the text of its URL.
        return Control::eventFilter(edit(), event);
    default:
        return false;
    }
}
