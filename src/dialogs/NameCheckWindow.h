#pragma once

#include "platform/gui/ModalWindow.h"

#include <memory>

class CheckBox;
class PushButton;
class RectangleShape;
class StaticText;

// An item of the same name already stands at the destination: replace it, save under a
// suffixed name, or cancel, optionally for the rest of the batch. The answer goes to
// globals::retVal and globals::afterAll; globals::retOk is never touched. There is no
// default button: Return must not choose for the user.
class NameCheckWindow : public ModalWindow {
public:
    NameCheckWindow();
    ~NameCheckWindow() override;

    std::unique_ptr<StaticText> StaticText2;
    std::unique_ptr<RectangleShape> Rectangle1;
    std::unique_ptr<StaticText> MsgText;
    std::unique_ptr<StaticText> InquiryText;
    std::unique_ptr<CheckBox> ApplyAll;
    std::unique_ptr<PushButton> CancelButton;
    std::unique_ptr<PushButton> AddNewButton;
    std::unique_ptr<PushButton> ReplaceButton;

    void CancelButton_Action();
    void AddNewButton_Action();
    void ReplaceButton_Action();

private:
    // choice: 0 cancel, 1 suffix, 2 replace; ticking ApplyAll makes it the batch's answer.
    void answer(int choice, int forAll);
};
