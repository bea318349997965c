#include "platform/gui/Window.h"

#include "platform/gui/KeyMapping.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/Surface.h"
#include "platform/gui/WindowFrame.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {
std::vector<Window*> s_windows;
Window* s_lastActive = nullptr;
}

Window::Window()
{
    m_frame = new WindowFrame(*this);
    auto* surface = new Surface;
    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(surface);
    attach(m_frame, surface);
    surface->onMouseDown = [this](int x, int y) { return onMouseDown && onMouseDown(x, y); };
    surface->onMouseMove = [this](int x, int y) {
        if (onMouseMove)
            onMouseMove(x, y);
    };
    surface->onMouseEnter = [this] {
        if (onMouseEnter)
            onMouseEnter();
    };
    surface->onMouseExit = [this] {
        if (onMouseExit)
            onMouseExit();
    };
    surface->onResize = [this](QSize, QSize size) { surfaceResized(size.width(), size.height()); };
    s_windows.push_back(this);
}

Window::~Window()
{
    std::erase(s_windows, this);
    if (s_lastActive == this)
        s_lastActive = nullptr;
    delete m_frame;
}

std::vector<Window*> Window::openWindows()
{
    std::vector<Window*> open;
    std::copy_if(s_windows.begin(), s_windows.end(), std::back_inserter(open),
                 [](Window* w) { return !w->isClosed(); });
    return open;
}

Window* Window::lastActive()
{
    return s_lastActive;
}

void Window::setMenuBar(MenuBar* menuBar)
{
    m_menuBar = menuBar;
    m_frame->layout()->setMenuBar(menuBar ? menuBar->widget() : nullptr);
}

int Window::topExtra() const
{
    return m_menuBar ? m_menuBar->widget()->sizeHint().height() : 0;
}

void Window::setResizable(bool resizable)
{
    if (!resizable) {
        setMinimumSize(width(), height());
        setMaximumSize(width(), height());
    }
}

QRect Window::frameBounds() const
{
    return QRect(surface()->mapToGlobal(QPoint(0, 0)), surface()->size());
}

void Window::setFrameBounds(const QRect& clientArea)
{
    setSize(clientArea.width(), clientArea.height());
    // A stored position that no screen shows any more is not used.
    if (!QGuiApplication::screenAt(clientArea.topLeft()))
        return;
    // The client area goes back where it was saved. move() would place the outer frame
    // there, so that every restart under a window manager moved the window down by the
    // title bar; setGeometry() places the window's own area and leaves the decorations
    // to the window manager. The menu bar lies above the client area, inside the frame.
    const QPoint menuBar = surface()->mapTo(m_frame, QPoint(0, 0));
    m_frame->setGeometry(QRect(clientArea.topLeft() - menuBar, m_frame->size()));
}

void Window::activate()
{
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

bool Window::isActive() const
{
    return m_frame->isActiveWindow();
}

void Window::requestClose()
{
    m_frame->close();
}

bool Window::closeForQuit()
{
    if (m_closed)
        return true;
    m_quitting = true;
    if (!m_inClose && handleCloseRequest(true))
        m_frame->hide();
    m_quitting = false;
    return m_closed || m_inClose;
}

bool Window::handleCloseRequest(bool appQuitting)
{
    if (m_closed)
        return true;
    if (m_inClose)
        return false;
    m_inClose = true;
    const bool quitting = appQuitting || m_quitting;
    const bool keep = onCancelClose && onCancelClose(quitting);
    m_inClose = false;
    if (keep)
        return false;
    m_closed = true;
    if (s_lastActive == this)
        s_lastActive = nullptr;
    if (onClose)
        onClose();
    return true;
}

void Window::handleActivation(bool active)
{
    if (m_closed)
        return;
    if (active) {
        s_lastActive = this;
        ++m_activations;
        if (onActivate)
            onActivate();
    } else if (onDeactivate) {
        onDeactivate();
    }
}

void Window::handleShown()
{
    if (m_opened)
        return;
    m_opened = true;
    if (onOpen)
        onOpen();
}

bool Window::handleKey(int qtKey, int qtModifiers, const QString& text)
{
    if (pressKeyButton(qtKey, qtModifiers))
        return true;
    const QString key = macKeyText(qtKey, qtModifiers, text);
    if (key.isEmpty() || !onKeyDown)
        return false;
    return onKeyDown(key, macModifiers(qtModifiers));
}
