#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Shapes.h"

void Window1::BaseDropBox_Open()
{
    BaseDropBox->setAcceptsFileDrops(true, Control::DropKind::FoldersAndDisks);
}

void Window1::BaseDropBox_DropObject(const std::vector<FolderItemPtr>& items)
{
    if (items.empty())
        return;
    if (items.size() > 1) {
        MessageBox::note(QStringLiteral("基準フォルダを変更できません。\r\r"
                                        "Finderからのドロップだけしか受け付けられません。\r"
                                        "また、複数項目をドロップする事はできません。"));
        return;
    }
    const FolderItemPtr& dropped = items.front();
    // The box takes folders and disks only; a file dropped from another program cannot
    // be a base folder.
    if (!dropped || !dropped->exists() || !(dropped->isFolder() || dropped->isVolumeRoot()))
        return;
    const bool hasBase = curBase >= 0 && size_t(curBase) < baseFolder.size();
    if (hasBase && fileitems::compareFolderItems(dropped, baseFolder[size_t(curBase)]))
        return;
    saveListState();
    ResetFileListBox(dropped, true);
}
