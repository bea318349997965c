#include "mainwindow/Window1.h"

#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Timer.h"
#include "prefs/PrefsCore.h"

void Window1::connectPrefsEvents()
{
    // The store belongs to the main window's life: a new window starts from the defaults.
    globals::Prefs = PrefsCore();
    Timer6->onAction = [this] { Timer6_Action(); };
    PrefsButton->onAction = [this] { PrefsButton_Action(); };
    JumpEntityButton->onAction = [this] { JumpEntityButton_Action(); };
    FileListBox->onDoubleClick = [this](int) { FileListBox_DoubleClick(); };
}
