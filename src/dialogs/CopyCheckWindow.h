#pragma once

#include "platform/gui/ModalWindow.h"

#include <array>
#include <memory>

class PushButton;
class StaticText;
class TextField;

// Asks before items dropped on the list are copied, moved or aliased. The caller sets
// both Label captions, the destination as seen (DestinationA) and its true full path
// (Destination), the question, the item list and the title, shows the window modally
// and reads globals::retOk.
class CopyCheckWindow : public ModalWindow {
public:
    CopyCheckWindow();
    ~CopyCheckWindow() override;

    std::array<std::unique_ptr<StaticText>, 2> Label;
    std::unique_ptr<TextField> DestinationA;
    std::unique_ptr<TextField> Destination;
    std::unique_ptr<StaticText> InquiryText;
    std::unique_ptr<TextField> Contents;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> OkButton;
};
