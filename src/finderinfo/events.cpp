#include "mainwindow/Window1.h"

#include "platform/gui/PushButton.h"

void Window1::connectEditingEvents()
{
    NameChangeButton->onAction = [this] { NameChangeButton_Action(); };
    TypeChangeButton->onAction = [this] { TypeChangeButton_Action(); };
}
