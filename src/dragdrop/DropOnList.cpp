#include "mainwindow/Window1.h"

#include "dialogs/CopyCheckWindow.h"
#include "dialogs/answers.h"
#include "fileitems/Paths.h"
#include "fileitems/globals.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Timer.h"


namespace {

// The operation the keys held at the drop choose: none moves, Option copies, Command
// with Option makes aliases.
int dropMode(int modifiers)
{
    if (!(modifiers & kOptionKey))
        return 1;
    return (modifiers & kCommandKey) ? 2 : 0;
}

QString dropQuestion(int mode)
{
    static const char* const pieces[] = {"をコピー", "を移動", "のエイリアスを作成"};
    return QStringLiteral("上記のフォルダに以下の項目") + QString::fromUtf8(pieces[mode]) +
           QStringLiteral("します。よろしいですか。");
}

QString dropTitle(int mode)
{
    static const char* const titles[] = {"コピー", "移動", "エイリアスの作成"};
    return QString::fromUtf8(titles[mode]);
}

} // namespace

void Window1::FileListBox_DropObject(const std::vector<FolderItemPtr>& drag)
{
    if (!CopyCheckBox->value())
        return;
    restoreWindowColor();
    refresh();
    DragCancelButton->setEnabled(false);
    if (fromListToExtDragging) {
        fromListToExtDragging = false;
        return;
    }
    if (cancelDragFromExt)
        return;
    nowDragging = false;
    prepareCheckMarks(false);
    Timer1->setMode(Timer::Mode::Off);

    int mode = dropMode(Services::instance().modifiers());
    if (!destFolder && curBase >= 0 && curBase < int(baseFolder.size()))
        destFolder = baseFolder[size_t(curBase)];
    const FolderItemPtr dest = destFolder;
    const FolderItemPtr target = dest ? getEntityFolderItem(dest) : nullptr;
    if (!dest || !target || target->isAlias())
        return;

    std::vector<FolderItemPtr> items;
    QString names;
    for (const FolderItemPtr& s : drag) {
        if (!s)
            continue;
        const bool isTarget = fileitems::makePath(s) == fileitems::makePath(target)
                              && s->volumeRef() == target->volumeRef();
        if (isTarget && mode != 2)
            continue;
        bool listed = false;
        for (const FolderItemPtr& other : items)
            listed = listed || fileitems::compareFolderItems(s, other);
        if (listed || (mode == 1 && inTheFolder(s, target)))
            continue;
        items.push_back(s);
        names += s->name() + QLatin1Char('\r');
    }
    if (items.empty())
        return;

    globals::retOk = true;
    if (WithReport->value()) {
        CopyCheckWindow check;
        check.Contents->setText(names);
        const QString label = QStringLiteral("保存先");
        const QString path = label + QStringLiteral("のパス");
        if (dest->isAlias()) {
            check.Label[0]->setText(label + QStringLiteral("（エイリアス）"));
            check.Label[1]->setText(path + QStringLiteral("（オリジナル）"));
        } else {
            check.Label[0]->setText(label + QStringLiteral("（通常フォルダ）"));
            check.Label[1]->setText(path);
        }
        check.DestinationA->setText(dest->displayName());
        const FolderItemPtr volume =
            Volumes::root(globals::vrefToVolNum(QString::number(target->volumeRef())));
        check.Destination->setText((volume ? volume->name() : QString()) +
                                   fileitems::makePath(target));
        if (mode == 1 && items.front()->volumeRef() != target->volumeRef())
            mode = 0;
        check.InquiryText->setText(dropQuestion(mode));
        check.setTitle(dropTitle(mode));
        globals::retOk = false;
        check.showModal();
    }
    if (!globals::retOk)
        return;
    firstFlag = true;
    globals::afterAll = 0;
    for (const FolderItemPtr& item : items)
        CopyOrMoveOneFile(item, target, mode);
    ResetFileListBox(nullptr, false);
}
