#pragma once

#include "platform/gui/ModalWindow.h"

#include <array>
#include <memory>

class Canvas;
class PushButton;
class RectangleShape;
class StaticText;

// The product's icon, name, version and purpose, with a link to the support page: the
// README installed with the program. Made once and shown modally as often as asked.
class AboutWindow : public ModalWindow {
public:
    AboutWindow();
    ~AboutWindow() override;

    static const QString kSupportPage; // a file URL

    std::unique_ptr<Canvas> Canvas1;
    // Indexes 0 to 5: name, "Version", purpose, the link's caption, none (a mail link's
    // caption once: an address that bounces is no help), the notice.
    std::array<std::unique_ptr<StaticText>, 6> LabelText;
    std::unique_ptr<StaticText> VersionText;
    std::unique_ptr<RectangleShape> Rectangle1;
    std::unique_ptr<StaticText> URLText;
    std::unique_ptr<PushButton> PushButton1;

    void Canvas1_Open();
    void VersionText_Open();
    void URLText_MouseEnter();
    bool URLText_MouseDown();
    void PushButton1_Action();

private:
    void createLabels();
    void createLinks();
};
