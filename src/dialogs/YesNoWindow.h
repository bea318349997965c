#pragma once

#include "platform/gui/ModalWindow.h"

#include <memory>

class PushButton;
class RectangleShape;
class StaticText;

// Asks before a file is opened by double-click. The caller puts the item's display name
// into MsgText, shows the window modally and reads globals::retOk.
class YesNoWindow : public ModalWindow {
public:
    YesNoWindow();
    ~YesNoWindow() override;

    std::unique_ptr<StaticText> StaticText2;
    std::unique_ptr<RectangleShape> Rectangle1;
    std::unique_ptr<StaticText> MsgText;
    std::unique_ptr<StaticText> InquiryText;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> OkButton;
};
