#pragma once

#include "platform/gui/WindowBase.h"

#include <QStringList>

class ModalFrame;

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

private:
    Style m_style;
    ModalFrame* m_frame = nullptr;
    bool m_running = false;
    bool m_closeRequested = false;
};
