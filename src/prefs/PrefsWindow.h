#pragma once

#include "platform/gui/ModalWindow.h"

#include <array>
#include <memory>

class PushButton;
class RadioButton;

// Sets how the program starts: always with its defaults, or in the state it was left in.
// The choice goes to globals::Prefs.customOpen only when "保存" closes the window.
class PrefsWindow : public ModalWindow {
public:
    PrefsWindow();
    ~PrefsWindow() override;

    // 0: "常にデフォルトで起動", 1: "前回の状態で起動"; one group, exactly one on.
    std::array<std::unique_ptr<RadioButton>, 2> customOpenRadio;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> OkButton;

    // Shows the current choice and runs modally until a button closes the window.
    void run();

    void Activate();
    void OkButton_Action();
    void CancelButton_Action();
};
