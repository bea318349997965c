#include "platform/gui/ModalWindow.h"

#include "platform/gui/Application.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/ModalFrame.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Surface.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

// The window manager is told which functions a dialog has. Naming none (no close box)
// tells it nothing, and it offers all, the close box included; so a dialog without one
// names maximizing, which a window of fixed size is not offered anyway.
Qt::WindowFlags dialogFlags(bool sheet, bool closeBox)
{
    if (sheet)
        return Qt::Dialog | Qt::FramelessWindowHint;
    const Qt::WindowFlags titled = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    return closeBox ? titled | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint
                    : titled | Qt::WindowMaximizeButtonHint;
}

} // namespace

ModalFrame::ModalFrame(ModalWindow& window, bool sheet)
    : QDialog(nullptr, dialogFlags(sheet, false)), m_window(window)
{
    setModal(true);
}

void ModalFrame::closeEvent(QCloseEvent* event)
{
    if (allowClose || m_window.handleCloseRequest())
        event->accept();
    else
        event->ignore();
}

void ModalFrame::keyPressEvent(QKeyEvent* event)
{
    if (!m_window.handleKey(event->key(), int(event->modifiers())))
        event->ignore();
}

ModalWindow::ModalWindow(Style style) : m_style(style)
{
    m_frame = new ModalFrame(*this, style == Style::Sheet);
    auto* surface = new Surface;
    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(surface);
    surface->onResize = [this](QSize, QSize size) { surfaceResized(size.width(), size.height()); };
    attach(m_frame, surface);
    setBackColor(Qt::white);
}

ModalWindow::~ModalWindow()
{
    m_frame->allowClose = true;
    delete m_frame;
}

bool ModalWindow::handleKey(int qtKey, int qtModifiers)
{
    return pressKeyButton(qtKey, qtModifiers);
}

void ModalWindow::setSize(int width, int height)
{
    WindowBase::setSize(width, height);
    surface()->setFixedSize(width, height);
}

void ModalWindow::setResizable(bool resizable)
{
    if (!resizable) {
        m_frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
        surface()->setFixedSize(width(), height());
        return;
    }
    surface()->setMinimumSize(0, 0);
    surface()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The frame follows the limits the window then sets on its client area.
    m_frame->layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
}

void ModalWindow::setCloseBox(bool closeBox)
{
    m_closeBox = closeBox;
    if (m_style == Style::Sheet)
        return;
    const bool shown = m_frame->isVisible();
    m_frame->setWindowFlags(dialogFlags(false, closeBox));
    if (shown)
        m_frame->show(); // changing the flags hides a shown window
}

bool ModalWindow::handleCloseRequest()
{
    if (m_closeBox) {
        close();
        return true;
    }
    // Some window managers (openbox) draw a close box on every titled window whatever
    // it asks for; there it does what Escape does, rather than nothing.
    PushButton* cancel = cancelButton();
    if (cancel && cancel->visible() && cancel->enabled())
        cancel->push();
    return !m_frame->isVisible();
}

void ModalWindow::close()
{
    m_closeRequested = true;
    m_frame->allowClose = true;
    m_frame->hide();
    m_frame->allowClose = false;
    if (m_loop)
        m_loop->quit();
}

QStringList ModalWindow::shownTexts() const
{
    QStringList texts;
    for (Control* c : controls()) {
        if (!c->visible())
            continue;
        if (auto* t = dynamic_cast<StaticText*>(c))
            texts << t->text();
        else if (auto* b = dynamic_cast<PushButton*>(c))
            texts << b->caption();
        else if (auto* f = dynamic_cast<TextField*>(c))
            texts << f->text();
        else if (auto* x = dynamic_cast<CheckBox*>(c))
            texts << x->caption();
    }
    return texts;
}

void ModalWindow::answerFrom(ModalResponder& responder)
{
    responder.records.push_back({ModalRecord::Kind::Window, title(), shownTexts()});
    if (responder.prepare)
        responder.prepare(*this);
    const std::optional<QString> answer = responder.next();
    Control* chosen = answer ? findControl(*answer) : nullptr;
    auto* button = dynamic_cast<PushButton*>(chosen);
    if (!button)
        button = cancelButton();
    if (button)
        button->push();
}

void ModalWindow::placeOverOwner()
{
    Window* owner = Window::lastActive();
    if (!owner)
        return;
    const QRect area = owner->frameBounds();
    const int x = area.left() + (area.width() - width()) / 2;
    // A sheet drops from the top of its window; a dialog sits in the upper third.
    const int y = m_style == Style::Sheet ? area.top() : area.top() + std::max(0, (area.height() - height()) / 3);
    m_frame->move(x, y);
}

void ModalWindow::showModal()
{
    if (m_running)
        return;
    Window* owner = Window::lastActive();
    m_running = true;
    m_closeRequested = false;
    if (ModalResponder* responder = Services::instance().modalResponder()) {
        answerFrom(*responder);
    } else {
        placeOverOwner();
        QEventLoop loop;
        m_loop = &loop;
        m_frame->show();
        m_frame->raise();
        m_frame->activateWindow();
        if (!m_closeRequested)
            loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    if (!m_closeRequested)
        close();
    m_running = false;
    reactivate(owner);
}

void ModalWindow::reactivate(Window* owner)
{
    if (!owner || owner->isClosed())
        return;
    const int before = owner->activationCount();
    owner->activate();
    Application::doEvents();
    // Window systems that do not hand the focus back (or none at all, offscreen) send no
    // activation; the program still expects its Activate.
    if (owner->activationCount() == before)
        owner->handleActivation(true);
}
