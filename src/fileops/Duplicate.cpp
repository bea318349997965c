#include "mainwindow/Window1.h"

#include "fileitems/FileNames.h"
#include "fileitems/Paths.h"
#include "platform/gui/PushButton.h"
#include "platform/script/FinderScripts.h"

void Window1::InvisDupButton_Action() {
    duplicateFilesOrFolders(InvisDupButton->caption() != QStringLiteral("複製"));
}

QString Window1::duplicateName(const FolderItemPtr& item, bool alias) {
    if (alias)
        return item->displayName() + QStringLiteral(" のエイリアス");
    QString base, ext;
    const bool hasExt = fileitems::splitFname(item->name(), base, ext);
    return base + QStringLiteral(" のコピー") + (hasExt ? QLatin1Char('.') + ext : QString());
}

void Window1::duplicateFilesOrFolders(bool mode) {
    for (const FolderItemPtr& item : recordedSelection(nullptr)) {
        const FolderItemPtr folder = item->parent();
        if (!folder || !item->exists())
            continue;
        const QString proposed = duplicateName(item, mode);
        const FolderItemPtr taken = folder->trueChild(proposed);
        const QString name =
            taken && taken->exists() ? uniqueName(folder, taken->name()) : proposed;
        if (mode)
            makeAliases({fileitems::perfectPath(item), fileitems::perfectPath(folder), name});
        else
            CopyOneItem(item, folder, name);
    }
    ResetFileListBox(nullptr, false);
}
