#pragma once

#include "platform/gui/ModalWindow.h"

#include <array>
#include <memory>

class PushButton;
class StaticText;
class TextField;

// The rename dialog: the current name above, the new one below. A fresh window serves
// each rename; the answer goes to globals::retOk and globals::newFilename.
class InputWindow : public ModalWindow {
public:
    InputWindow();
    ~InputWindow() override;

    std::array<std::unique_ptr<StaticText>, 2> SText;
    std::unique_ptr<TextField> oldName;
    std::unique_ptr<TextField> newName;
    std::unique_ptr<StaticText> Instruction;
    std::unique_ptr<StaticText> Caution;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> OkButton;

    bool newName_KeyDown(const QString& key);
    void OkButton_Action();
    void CancelButton_Action();

private:
    void createControls();
};
