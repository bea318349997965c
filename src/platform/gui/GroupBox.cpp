#include "platform/gui/GroupBox.h"

#include <QGroupBox>

GroupBox::GroupBox(WindowBase& window, int left, int top, int width, int height,
                   const QString& caption, Control* inside)
    : Control(window, new QGroupBox, QRect(left, top, width, height), inside) {
    setCaption(caption);
}

QString GroupBox::caption() const {
    return static_cast<QGroupBox*>(widget())->title();
}

void GroupBox::setCaption(const QString& caption) {
    static_cast<QGroupBox*>(widget())->setTitle(withLineBreaks(caption));
}
