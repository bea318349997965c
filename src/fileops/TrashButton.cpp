#include "mainwindow/Window1.h"

#include "dialogs/answers.h"
#include "fileops/TrashSteps.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"

void Window1::connectTrashEvents() {
    TrashButton_Open();
    TrashButton->onAction = [this] { TrashButton_Action(); };
    TrashButton->onMouseEnter = [this] { TrashButton_MouseEnter(); };
    TrashButton->onMouseExit = [this] { TrashButton_MouseExit(); };
    TrashButton->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
        TrashButton_DropObject(items);
    };
}

void Window1::TrashButton_Open() {
    const QPixmap mask = Pictures::get(Pictures::kIcTrashMask);
    trashPict = Pictures::compose(Pictures::get(Pictures::kIcTrash), mask);
    trashPictDim = Pictures::compose(Pictures::get(Pictures::kIcTrashDim), mask);
    TrashButton->activePict = trashPict;
    TrashButton->inactivePict = trashPictDim;
    TrashButton->Paint();
    TrashButton->setAcceptsFileDrops(true);
}

void Window1::TrashButton_Action() {
    const bool writing = CopyCheckBox->value();
    const FolderItemPtr trash = TrashSteps::currentTrash(*this);
    const bool canEmpty = writing && trash && trash->count() >= 1;
    const bool canHandle = writing && FileListBox->selCount() >= 1;
    if (isRequestedContextMenu()) {
        auto row = [](bool available, char number, const QString& text) {
            return QStringLiteral("(") + QLatin1Char(available ? number : 'x') + QLatin1Char(')') +
                   text;
        };
        ContextualMenu1->deleteAllRows();
        ContextualMenu1->addRow(QStringLiteral("(1) ゴミ箱表示"));
        ContextualMenu1->addRow(row(canHandle, '2', QStringLiteral(" 選択項目をゴミ箱へ移動")));
        ContextualMenu1->addRow(row(canEmpty, '3', QStringLiteral(" ゴミ箱を空にする")));
        ContextualMenu1->addRow(row(canHandle, '4', QStringLiteral(" 選択項目を即、削除")));
        contextJob = QStringLiteral("trashProc");
        ContextualMenu1->popup();
        return;
    }
    const int keys = TrashButton->actionModifiers();
    int mode = 0;
    if (keys & kShiftKey)
        mode += 1;
    if (keys & kCommandKey)
        mode += 2;
    if (keys & kOptionKey)
        mode += 4;
    executeTrashBehavior(mode);
}

// A drag from another program over the button (the list's own drag prepares itself):
// the window shows where the items would go.
void Window1::TrashButton_MouseEnter() {
    if (CopyCheckBox->value() && Services::instance().input().mouseDown() && !nowDragging)
        prepareTrashDrop(true);
}

void Window1::TrashButton_MouseExit() {
    if (CopyCheckBox->value() && Services::instance().input().mouseDown() && !nowDragging)
        prepareTrashDrop(false);
}

void Window1::TrashButton_DropObject(const std::vector<FolderItemPtr>& items) {
    if (!CopyCheckBox->value())
        return;
    if (WindowBackColor.isValid())
        setBackColor(WindowBackColor);
    refresh();
    DragCancelButton->setEnabled(false);
    nowDragging = false;

    const FolderItemPtr trash = TrashSteps::currentTrash(*this);
    if (!trash)
        return;
    std::vector<FolderItemPtr> taken;
    for (const FolderItemPtr& item : items) {
        if (!item || TrashSteps::sameItem(item, trash) ||
            TrashSteps::sameItem(item->parent(), trash) || TrashSteps::listed(taken, item))
            continue;
        taken.push_back(item);
    }
    if (taken.empty())
        return;
    const TrashSteps::Summary summary = TrashSteps::summarize(taken);
    globals::retOk = true;
    if (WithReport->value() || summary.reserved)
        TrashSteps::confirm(QStringLiteral("ゴミ箱への移動の確認"), summary.names,
                            QStringLiteral("上記の項目をゴミ箱へ移動します。\r") +
                                TrashSteps::warning(summary.reserved));
    if (!globals::retOk)
        return;
    for (const FolderItemPtr& item : taken)
        TrashSteps::moveToTrash(trash, item);
    ResetFileListBox(nullptr, false);
}
