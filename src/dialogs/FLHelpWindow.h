#pragma once

#include "platform/gui/ModalWindow.h"

#include <memory>

class PushButton;
class StaticText;
class TextField;

// The operating manual of the main window's list. Made once; closing only hides it, so
// the next showing finds the manual scrolled where the user left it.
class FLHelpWindow : public ModalWindow {
public:
    FLHelpWindow();
    ~FLHelpWindow() override;

    // The manual, lines separated by carriage returns.
    static QString manualText();

    std::unique_ptr<StaticText> StaticText1;
    std::unique_ptr<TextField> EditField1;
    std::unique_ptr<StaticText> StaticText2;
    std::unique_ptr<TextField> EditField2;
    std::unique_ptr<PushButton> PushButton1;

    void PushButton1_Action();
};
