#pragma once

#include "platform/gui/WindowBase.h"

#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class MenuBar;
class WindowFrame;

// A top-level document window. Controls keep their designed geometry; on resize they
// follow their anchors. Quitting the application (Ctrl+Q, SIGTERM, the session ending)
// closes it with onCancelClose(true); the window manager's close request asks
// onCancelClose(false). onClose runs exactly once, however the window ends.
class Window : public WindowBase {
public:
    Window();
    ~Window() override;

    void setMenuBar(MenuBar* menuBar); // not owned
    void setResizable(bool resizable);
    QRect frameBounds() const;         // client area in screen coordinates
    void setFrameBounds(const QRect& clientArea);
    void activate();                   // bring to the front
    bool isActive() const;
    bool isClosed() const { return m_closed; }

    // Closes as the window manager's close box does (asks onCancelClose(false)).
    void requestClose();
    // Closes because the application quits (asks onCancelClose(true)); true if closed.
    bool closeForQuit();

    // Events; each is optional. Coordinates are window (client area) ones.
    std::function<void()> onOpen;       // once, when first shown
    std::function<void()> onActivate;   // the window comes to the front
    std::function<void()> onDeactivate;
    std::function<bool(int x, int y)> onMouseDown; // over the window's own background
    std::function<void(int x, int y)> onMouseMove; // over the background, not controls
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;
    std::function<bool(bool appQuitting)> onCancelClose; // true keeps the window open
    std::function<void()> onClose;
    // key: the character ("a", "\x08" for Backspace/Delete, "\r", arrows 28-31, Alt+A as
    // U+00E5); modifiers: Mac bits (kCommandKey ...). True means handled.
    std::function<bool(const QString& key, int modifiers)> onKeyDown;

    // The platform side, used by WindowFrame.
    bool handleCloseRequest(bool appQuitting); // true: the window may close
    void handleActivation(bool active);
    void handleShown();
    void handleResize(int oldWidth, int oldHeight, int newWidth, int newHeight);
    bool handleKey(int qtKey, int qtModifiers, const QString& text);
    // The window that was activated last and is still open.
    static Window* lastActive();
    static std::vector<Window*> openWindows();
    int activationCount() const { return m_activations; }

protected:
    int topExtra() const override;

private:
    WindowFrame* m_frame = nullptr;
    bool m_opened = false;
    bool m_closed = false;
    bool m_inClose = false;
    bool m_quitting = false;
    int m_activations = 0;
    MenuBar* m_menuBar = nullptr;
};
