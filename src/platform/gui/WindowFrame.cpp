#include "platform/gui/WindowFrame.h"

#include "platform/gui/Window.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

WindowFrame::WindowFrame(Window& window) : QWidget(nullptr), m_window(window)
{
    // Keys reach the window's handler before a focused list or button eats them, as
    // the program's key commands expect.
    qApp->installEventFilter(this);
}

bool WindowFrame::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_window.handleActivation(true);
    else if (event->type() == QEvent::WindowDeactivate)
        m_window.handleActivation(false);
    return QWidget::event(event);
}

void WindowFrame::closeEvent(QCloseEvent* event)
{
    if (m_window.handleCloseRequest(false))
        event->accept();
    else
        event->ignore();
}

void WindowFrame::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_window.handleShown();
}

static bool isTextEditor(QObject* o)
{
    return qobject_cast<QLineEdit*>(o) || qobject_cast<QPlainTextEdit*>(o)
           || qobject_cast<QTextEdit*>(o) || qobject_cast<QAbstractSpinBox*>(o);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != this)
        return false;
    // A key goes through the filter once per widget it propagates to; take it only at
    // the widget that has this window's focus (or the frame when nothing has).
    QWidget* focus = focusWidget();
    if (focus ? w != focus : w != this)
        return false;
    if (isTextEditor(w) || (w->parentWidget() && isTextEditor(w->parentWidget())))
        return false;
    auto* e = static_cast<QKeyEvent*>(event);
    return m_window.handleKey(e->key(), int(e->modifiers()), e->text());
}
