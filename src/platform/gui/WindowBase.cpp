#include "platform/gui/WindowBase.h"

#include "platform/gui/Control.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Surface.h"

#include <QKeyEvent>
#include <algorithm>

WindowBase::~WindowBase()
{
    // Controls still alive (owned elsewhere) must not touch the dying surface.
    m_controls.clear();
}

void WindowBase::attach(QWidget* top, QWidget* surface)
{
    m_top = top;
    m_surface = surface;
    setBackColor(m_backColor);
}

QString WindowBase::title() const
{
    return m_top->windowTitle();
}

void WindowBase::setTitle(const QString& title)
{
    m_top->setWindowTitle(title);
}

int WindowBase::width() const
{
    return m_surface->width();
}

int WindowBase::height() const
{
    return m_surface->height();
}

void WindowBase::setSize(int width, int height)
{
    if (m_controls.empty())
        m_layoutSize = QSize(width, height); // the designed size controls are placed for
    m_top->resize(width, height + topExtra());
    // Until the window is shown its layout has not run; size the client area directly
    // so that controls and the program see the size at once.
    m_surface->resize(width, height);
    surfaceResized(width, height);
}

void WindowBase::setMinimumSize(int width, int height)
{
    m_surface->setMinimumSize(width, height);
}

void WindowBase::setMaximumSize(int width, int height)
{
    m_surface->setMaximumSize(std::min(width, QWIDGETSIZE_MAX), std::min(height, QWIDGETSIZE_MAX));
}

void WindowBase::setBackColor(const QColor& color)
{
    m_backColor = color;
    if (auto* s = qobject_cast<Surface*>(m_surface))
        s->setBackColor(color);
}

bool WindowBase::visible() const
{
    return m_top->isVisible();
}

void WindowBase::show()
{
    m_top->show();
}

void WindowBase::hide()
{
    m_top->hide();
}

void WindowBase::refresh()
{
    m_top->repaint();
}

Control* WindowBase::controlAt(int x, int y) const
{
    // Later controls lie above earlier ones, and a control inside another above it.
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        if ((*it)->contains(x, y))
            return *it;
    }
    return nullptr;
}

Control* WindowBase::dropTargetAt(int x, int y) const
{
    for (Control* c = controlAt(x, y); c; c = c->inside())
        if (c->acceptsFileDrops())
            return c;
    return nullptr;
}

Control* WindowBase::findControl(const QString& name) const
{
    for (Control* c : m_controls) {
        if (c->name() == name)
            return c;
    }
    for (Control* c : m_controls) {
        auto* b = dynamic_cast<PushButton*>(c);
        if (b && withLineBreaks(b->caption()) == withLineBreaks(name))
            return c;
    }
    return nullptr;
}

void WindowBase::addControl(Control* control)
{
    m_controls.push_back(control);
}

void WindowBase::removeControl(Control* control)
{
    std::erase(m_controls, control);
    if (m_defaultButton == control)
        m_defaultButton = nullptr;
    if (m_cancelButton == control)
        m_cancelButton = nullptr;
}

bool WindowBase::pressKeyButton(int qtKey, int qtModifiers)
{
    PushButton* button = nullptr;
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        button = m_defaultButton;
    else if (qtKey == Qt::Key_Escape
             || (qtKey == Qt::Key_Period && (qtModifiers & Qt::ControlModifier)))
        button = m_cancelButton;
    if (!button || !button->visible() || !button->enabled())
        return false;
    button->push();
    return true;
}

void WindowBase::surfaceResized(int newWidth, int newHeight)
{
    if (!m_layoutSize.isValid()) {
        m_layoutSize = QSize(newWidth, newHeight);
        return;
    }
    const int dw = newWidth - m_layoutSize.width(), dh = newHeight - m_layoutSize.height();
    m_layoutSize = QSize(newWidth, newHeight);
    if (dw == 0 && dh == 0)
        return;
    for (Control* c : m_controls)
        c->followResize(dw, dh);
    // A control inside another keeps window coordinates: place it after its parent moved.
    for (Control* c : m_controls) {
        if (c->inside())
            c->applyGeometry();
    }
}
