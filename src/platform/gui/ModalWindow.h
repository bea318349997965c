#pragma once

#include "platform/gui/WindowBase.h"

#include <QStringList>

class ModalFrame;
class ModalResponder;
class QEventLoop;
class Window;

// A modal dialog: a movable window with a title, or a sheet-style window without one.
// showModal() runs a nested event loop and returns when close() ends it; the window
// that was in front before gets its onActivate again. When the services hold a modal
// responder, showModal() lets the responder answer instead of the user.
class ModalWindow : public WindowBase {
public:
    enum class Style { Movable, Sheet };
    explicit ModalWindow(Style style = Style::Movable);
    ~ModalWindow() override;

    Style style() const { return m_style; }
    void showModal();
    void close();           // ends showModal(); closing from a button's action is usual
    bool isShowingModal() const { return m_running; }
    // The texts the window shows (title, static texts, captions, fields), for the
    // responder's record.
    QStringList shownTexts() const;
    void setSize(int width, int height); // modal windows keep their size
    // Lets the user resize the window between its minimum and maximum sizes.
    void setResizable(bool resizable);
    // A window with a close box ends as close() ends it when the user closes it (the
    // box, Alt+F4). Without one (the default) the window manager is asked to show none;
    // where it shows one anyway, a close request pushes the cancel button.
    void setCloseBox(bool closeBox);
    bool hasCloseBox() const { return m_closeBox; }

    // Gives the window that was in front before a modal interaction its activation back,
    // raising its onActivate itself where the window system does not.
    static void reactivate(Window* owner);

    // The platform side, used by ModalFrame.
    bool handleKey(int qtKey, int qtModifiers);
    bool handleCloseRequest(); // true: the window closed

private:
    void answerFrom(ModalResponder& responder);
    void placeOverOwner();

    Style m_style;
    QEventLoop* m_loop = nullptr;
    ModalFrame* m_frame = nullptr;
    bool m_running = false;
    bool m_closeRequested = false;
    bool m_closeBox = false;
};
