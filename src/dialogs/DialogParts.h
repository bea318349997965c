#pragma once

#include <QString>
#include <memory>
#include <utility>

class ModalWindow;
class PushButton;

// What the program's own dialogs share.
namespace DialogParts {

// A control made with its design name, so that scripted answers and tests find it.
template <class T, class... Args>
std::unique_ptr<T> named(const QString& name, Args&&... args)
{
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    control->setName(name);
    return control;
}

// Every control of the dialogs uses the System font at 12 pixels.
void useTextSize(ModalWindow& window, int pixels = 12);

// The confirming pair: ok answers globals::retOk = true and is pressed by Return and
// Enter, cancel answers false and is pressed by Escape and Ctrl+period; both close the
// window. Nothing else of globals is touched.
void connectConfirmButtons(ModalWindow& window, PushButton& ok, PushButton& cancel);

} // namespace DialogParts
