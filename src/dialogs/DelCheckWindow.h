#pragma once

#include "platform/gui/ModalWindow.h"

#include <memory>

class PushButton;
class StaticText;
class TextField;

// Asks before items go to the Trash, are deleted directly or the Trash is emptied. The
// caller lists the items in Contents, one a line, sets the question and the title,
// shows the window modally and reads globals::retOk.
class DelCheckWindow : public ModalWindow {
public:
    DelCheckWindow();
    ~DelCheckWindow() override;

    std::unique_ptr<StaticText> StaticText2;
    std::unique_ptr<TextField> Contents;
    std::unique_ptr<StaticText> InquiryText;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> OkButton;
};
