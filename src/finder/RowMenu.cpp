#include "mainwindow/Window1.h"

#include "fileitems/ItemKinds.h"
#include "fileitems/Paths.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Services.h"
#include "platform/script/FinderScripts.h"

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

bool Window1::FileListBox_MouseDown(int, int)
{
    invalidateDragMode();
    if (!(Services::instance().modifiers() & kControlKey))
        return false;
    contextJob.clear();
    ContextualMenu1->deleteAllRows();
    const int row = getClickedRow(FileListBox);
    const FolderItemPtr item =
        row >= 0 && row < FileListBox->rowCount() ? getRowFolderItem(row, true) : nullptr;
    contextFolderItem[0] = item;
    contextFolderItem[1] = nullptr;
    if (item) {
        const QString shown = quoted(item->displayName());
        ContextualMenu1->addRow(QStringLiteral("(1) Finderの情報を見る → ") + shown);
        ContextualMenu1->addRow(QStringLiteral("(2) Finderで表示 → ") +
                                fileitems::pathForDisplay(item));
        if (item->isAlias()) {
            const FolderItemPtr original = getRowFolderItem(row, false);
            if (original && !original->isAlias()) {
                ContextualMenu1->addRow(QStringLiteral("(3) オリジナルを表示 → ") +
                                        fileitems::pathForDisplay(original));
                contextJob = QStringLiteral("dispEntity");
                contextFolderItem[1] = original;
            }
        } else if (item->isFolder()) {
            if (fileitems::isPackage(item)
                || item->name().endsWith(QLatin1String(".app"), Qt::CaseInsensitive)) {
                ContextualMenu1->addRow(QStringLiteral("(3) パッケージの内容を表示 → ") + shown);
                contextJob = QStringLiteral("dispPackage");
            } else {
                ContextualMenu1->addRow(QStringLiteral("(3) Finderで開く → ") + shown);
                contextJob = QStringLiteral("openFinderFolder");
            }
        }
    }
    ContextualMenu1->popup();
    return true;
}

// The row menu's entries, named by their first three characters.
void Window1::rowMenuAction(const QString& entry)
{
    const QString number = entry.left(3);
    const FolderItemPtr& item = contextFolderItem[0];
    if (number == QLatin1String("(1)")) {
        if (item)
            showInfo({fileitems::perfectPath(item)});
    } else if (number == QLatin1String("(2)")) {
        if (item)
            revealItem({fileitems::perfectPath(item)});
    } else if (number == QLatin1String("(3)")) {
        if (contextJob == QLatin1String("dispEntity")) {
            if (contextFolderItem[1])
                dispEntity(contextFolderItem[1]);
        } else if (contextJob == QLatin1String("dispPackage")) {
            if (item) {
                saveListState();
                ResetFileListBox(item, true);
            }
        } else if (contextJob == QLatin1String("openFinderFolder")) {
            if (item)
                openFinderWindow({fileitems::perfectPath(item)});
        }
    }
}
