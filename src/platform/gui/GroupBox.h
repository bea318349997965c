#pragma once

#include "platform/gui/Control.h"

// A framed group of controls, with or without a caption. Controls made inside it move,
// hide and enable with it: disabling the group disables everything in it.
class GroupBox : public Control {
    Q_OBJECT
  public:
    GroupBox(WindowBase& window, int left, int top, int width, int height,
             const QString& caption = {}, Control* inside = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);
};
