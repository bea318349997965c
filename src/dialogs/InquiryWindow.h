#pragma once

#include "platform/gui/ModalWindow.h"

#include <memory>

class PushButton;
class StaticText;

// A yes/no question in a sheet without a title. The answer goes to globals::retOk.
class InquiryWindow : public ModalWindow {
public:
    InquiryWindow();
    ~InquiryWindow() override;

    std::unique_ptr<StaticText> InquiryText;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> OkButton;

    // A fresh window asking the question; true when "はい" answered it.
    static bool ask(const QString& question);
};
