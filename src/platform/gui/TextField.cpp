#include "platform/gui/TextField.h"

#include "platform/gui/KeyMapping.h"
#include "platform/gui/WindowBase.h"

#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QValidator>

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator || c == QChar(0x85) || c == u'\v' || c == u'\f';
}

// Whatever reaches a one-line field (typing, pasting, dropping, an input method, the
// program) passes through here, and leaves its line breaks behind.
class OneLine : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (!isLineBreak(input.at(i)))
                continue;
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
        return Acceptable;
    }
};

// The key handler first; a one-line field leaves Return and Escape to the window's
// buttons, a multi-line one Escape.
bool keyForOwner(TextField* owner, QKeyEvent* e, bool multiLine)
{
    const QString key = macKeyText(e->key(), int(e->modifiers()), e->text());
    if (owner && owner->onKeyDown && !key.isEmpty()
        && owner->onKeyDown(key, macModifiers(int(e->modifiers())))) {
        e->accept();
        return true;
    }
    const bool lineEnd = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if ((!multiLine && lineEnd) || e->key() == Qt::Key_Escape) {
        e->ignore();
        return true;
    }
    return false;
}

class FieldLine : public QLineEdit {
public:
    TextField* owner = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (!keyForOwner(owner, e, false))
            QLineEdit::keyPressEvent(e);
    }
};

class FieldEdit : public QPlainTextEdit {
public:
    TextField* owner = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (!keyForOwner(owner, e, true))
            QPlainTextEdit::keyPressEvent(e);
    }
};

QWidget* makeEditor(bool multiLine)
{
    if (multiLine)
        return new FieldEdit;
    return new FieldLine;
}

} // namespace

TextField::TextField(WindowBase& window, int left, int top, int width, int height,
                     bool multiLine, Control* inside)
    : Control(window, makeEditor(multiLine), QRect(left, top, width, height), inside)
{
    if (multiLine) {
        auto* e = static_cast<FieldEdit*>(widget());
        e->owner = this;
        m_edit = e;
        e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        e->setTabChangesFocus(true);
        e->viewport()->installEventFilter(this);
        connect(e, &QPlainTextEdit::textChanged, this, [this] {
            if (onTextChange)
                onTextChange();
        });
        return;
    }
    auto* l = static_cast<FieldLine*>(widget());
    l->owner = this;
    m_line = l;
    l->setValidator(new OneLine(l));
    connect(l, &QLineEdit::textChanged, this, [this] {
        if (onTextChange)
            onTextChange();
    });
}

QString TextField::text() const
{
    return m_line ? m_line->text() : m_edit->toPlainText();
}

void TextField::setText(const QString& text)
{
    const QString t = withLineBreaks(text);
    if (m_line) {
        QString line = t;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_line->setText(line);
        m_line->setCursorPosition(0);
    } else {
        m_edit->setPlainText(t);
    }
}

bool TextField::readOnly() const
{
    return m_line ? m_line->isReadOnly() : m_edit->isReadOnly();
}

void TextField::setReadOnly(bool readOnly)
{
    if (m_line)
        m_line->setReadOnly(readOnly);
    else
        m_edit->setReadOnly(readOnly);
}

void TextField::setBackColor(const QColor& color)
{
    QPalette pal = widget()->palette();
    pal.setColor(QPalette::Base, color);
    widget()->setPalette(pal);
}

void TextField::setAlignment(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (m_line) {
        m_line->setAlignment(horizontal | Qt::AlignVCenter);
        return;
    }
    QTextOption option = m_edit->document()->defaultTextOption();
    option.setAlignment(horizontal);
    m_edit->document()->setDefaultTextOption(option);
}

void TextField::setScrollBar(bool vertical)
{
    if (m_edit)
        m_edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
}

void TextField::selectAll()
{
    if (m_line)
        m_line->selectAll();
    else
        m_edit->selectAll();
}

void TextField::setFocus()
{
    widget()->setFocus();
}

void TextField::textSizeChanged()
{
    if (m_edit)
        m_edit->document()->setDefaultFont(m_edit->font());
}

QWidget* TextField::dropTarget() const
{
    return m_line ? static_cast<QWidget*>(m_line) : m_edit->viewport();
}

bool TextField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != dropTarget())
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
        return Control::eventFilter(widget(), event);
    default:
        return m_line ? Control::eventFilter(watched, event) : false;
    }
}
