#include "mainwindow/Window1.h"

#include "platform/gui/ContextualMenu.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Shapes.h"

void Window1::connectNavigationEvents()
{
    VolPop->onChange = [this] { VolPop_Change(); };
    VolPop->onMouseEnter = [this] { VolPop_MouseEnter(); };
    PathPop->onChange = [this] { PathPop_Change(); };
    // Choosing the row already selected acts too: after the listed folder was replaced
    // in place (vanished, ejected) that row may name a folder that is gone.
    HistoryPop->setEveryChoiceActs(true);
    HistoryPop->onChange = [this] { HistoryPop_Change(); };
    BaseDropBox->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
        BaseDropBox_DropObject(items);
    };
    BaseDropBox_Open();
    BackButton->onAction = [this] { BackButton_Action(); };
    ForwardButton->onAction = [this] { ForwardButton_Action(); };
    ContextualMenu1->onAction = [this](const QString& entry) { ContextualMenu1_Action(entry); };
}
