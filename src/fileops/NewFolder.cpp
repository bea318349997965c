#include "mainwindow/Window1.h"

#include "fileitems/ItemKinds.h"
#include "fileitems/Paths.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MessageBox.h"

namespace {

const QString kUntitled = QStringLiteral("名称未設定フォルダ");

bool folderLike(const FolderItemPtr& item) {
    const QByteArray type = item->typeCode();
    if (type == "fdrp" || type == "hdsk")
        return true;
    return item->isFolder() &&
           !item->name().endsWith(QStringLiteral(".app"), Qt::CaseInsensitive) &&
           !fileitems::isPackage(item);
}

} // namespace

void Window1::NewFolderButton_Action() {
    createNewFolder();
}

void Window1::createNewFolder() {
    FolderItemPtr target;
    if (FileListBox->selCount() == 0) {
        if (curBase < 0 || size_t(curBase) >= baseFolder.size())
            return;
        target = baseFolder[size_t(curBase)];
    } else {
        const std::vector<int> rows = FileListBox->selectedRows();
        const int row = rows.empty() ? -1 : rows.front();
        if (row < 0)
            return;
        const FolderItemPtr item = getRowFolderItem(row, false);
        if (!item || item->isAlias())
            return;
        target = folderLike(item) && FileListBox->expanded(row) ? item : item->parent();
    }
    if (!target)
        return;

    QString name = kUntitled;
    FolderItemPtr folder = target->trueChild(name);
    if (folder && folder->exists()) {
        name = uniqueName(target, kUntitled);
        folder = target->trueChild(name);
        if (!folder)
            return;
    }
    if (WithReport->value()) {
        const QString cr2 = QStringLiteral("\r\r");
        const QString text = QStringLiteral("新規フォルダ作成") + cr2 +
                             QStringLiteral("フォルダ『") + fileitems::pathForDisplay(target) +
                             QStringLiteral("』の直下に") + cr2 + QStringLiteral("新規フォルダ『") +
                             name + QStringLiteral("』を作成します。") + cr2 +
                             QStringLiteral("よろしいですか。");
        if (MessageBox::show(MessageBox::Kind::Question, text) != MessageBox::Answer::Ok)
            return;
    }
    folder->createAsFolder(); // a refusal is not reported: the list shows the truth
    ResetFileListBox(nullptr, false);
}
