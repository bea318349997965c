#include "mainwindow/Window1.h"

#include "dialogs/YesNoWindow.h"
#include "dialogs/answers.h"
#include "fileitems/ItemKinds.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"

#include <QFile>
#include <QUrl>

namespace {

// Asks whether the item may be opened; the answer is in globals::retOk.
void askToOpen(const FolderItemPtr& item)
{
    YesNoWindow window;
    window.setTitle(QStringLiteral("ファイルオープンの実行確認"));
    window.MsgText->setText(item->displayName());
    window.InquiryText->setText(QStringLiteral("上のファイルを開きます。よろしいですか。"));
    window.showModal();
}

} // namespace

void Window1::FileListBox_DoubleClick()
{
    if (FileListBox->selCount() != 1)
        return;
    FolderItemPtr item = getRowFolderItem(FileListBox->selectedRows().front(), false);
    if (!item || item->isAlias())
        return;
    const bool application = item->name().endsWith(QLatin1String(".app"), Qt::CaseInsensitive);
    if (item->isFolder() && !application && !fileitems::isPackage(item)) {
        saveListState();
        ResetFileListBox(item, true);
        return;
    }
    if (!item->visible())
        return;
    if (WithReport->value())
        askToOpen(item);
    else
        globals::retOk = true;
    if (globals::retOk)
        Services::instance().launch(QUrl::fromLocalFile(QFile::decodeName(item->posixPath())));
}
