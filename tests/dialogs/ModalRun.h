#pragma once

#include "platform/gui/ModalWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

// Shows the window modally for real (no responder) and runs whileShown inside its
// event loop. A window still open after two seconds is closed, so that a key that
// does nothing fails the test instead of hanging it; the result says whether that
// happened.
inline bool runModal(ModalWindow& window, const std::function<void()>& whileShown)
{
    bool timedOut = false;
    QTimer::singleShot(0, [&] { whileShown(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        window.close();
    });
    guard.start(2000);
    window.showModal();
    return !timedOut;
}

// A key as the user types it into the given widget of the window (the one with the
// focus), else into the window itself. Keys the widget does not take go on to the
// window, as typed keys do.
inline void typeKey(ModalWindow& window, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    QWidget* focused = nullptr)
{
    QString text;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        text = QChar(u'a' + (key - Qt::Key_A));
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = QStringLiteral("\r");
    else if (key == Qt::Key_Backspace)
        text = QStringLiteral("\b");
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(focused ? focused : window.topWidget(), &press);
}
