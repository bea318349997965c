#include "dialogs/DialogParts.h"

#include "dialogs/answers.h"
#include "platform/gui/Control.h"
#include "platform/gui/ModalWindow.h"
#include "platform/gui/PushButton.h"

namespace DialogParts {

void useTextSize(ModalWindow& window, int pixels)
{
    for (Control* control : window.controls())
        control->setTextSize(pixels);
}

void connectConfirmButtons(ModalWindow& window, PushButton& ok, PushButton& cancel)
{
    ok.setDefault(true);
    cancel.setCancel(true);
    ok.onAction = [&window] {
        globals::retOk = true;
        window.close();
    };
    cancel.onAction = [&window] {
        globals::retOk = false;
        window.close();
    };
}

} // namespace DialogParts
