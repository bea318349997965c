#include "mainwindow/Window1.h"

#include "dialogs/InquiryWindow.h"
#include "dialogs/answers.h"
#include "fileitems/Paths.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/Application.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/Control.h"
#include "platform/gui/LittleArrows.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/fs/SpecialFolders.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Timer.h"

Window1::Window1(MenuBar* menuBar)
{
    setTitle(QStringLiteral("Cloakswitch"));
    // The menu bar first, so that the size below is the client area's.
    if (menuBar)
        setMenuBar(menuBar);
    setSize(620, 450);
    setMinimumSize(620, 300);
    setMaximumSize(32000, 32000);
    setBackColor(rgb(0xCCCCCC));
    setResizable(true);
    createControls();
    connectEvents();
    FileListBox_Open();
    onOpen = [this] { Open(); };
}

Window1::~Window1() = default;

void Window1::composeRowPictures()
{
    auto masked = [](int image) { return Pictures::compose(Pictures::get(image), Pictures::get(image + 1)); };
    volumeAliasIcon = masked(Pictures::kVolAliasIcon);
    folderIcon = masked(Pictures::kFolIcon);
    folderAliasIcon = masked(Pictures::kFolAliasIcon);
    fileIcon = masked(Pictures::kDocIcon);
    fileAliasIcon = masked(Pictures::kDocAliasIcon);
    applicationIcon = masked(Pictures::kAppIcon);
    applicationAliasIcon = masked(Pictures::kAppAliasIcon);
    const std::pair<int, const QPixmap*> rows[] = {
        {Pictures::kVolAliasIcon, &volumeAliasIcon}, {Pictures::kFolIcon, &folderIcon},
        {Pictures::kFolAliasIcon, &folderAliasIcon}, {Pictures::kDocIcon, &fileIcon},
        {Pictures::kDocAliasIcon, &fileAliasIcon},   {Pictures::kAppIcon, &applicationIcon},
        {Pictures::kAppAliasIcon, &applicationAliasIcon}};
    for (const auto& [id, picture] : rows) {
        FileListBox->setPicture(id, *picture);
        TempListBox->setPicture(id, *picture);
    }
}

void Window1::Open()
{
    firstOpen = true;
    composeRowPictures();
    FontSizeButton->setCaption(QStringLiteral("Font\rSize") + QString::number(FileListBox->textSize()));

    nowSetting = true;
    for (int i = 0, n = Volumes::count(); i < n; ++i) {
        FolderItemPtr root = Volumes::root(i);
        VolPop->addRow(root ? root->name() : QString());
        vrefNums.push_back(root ? root->volumeRef() : 0);
    }
    VolPop->setListIndex(0);
    nowSetting = false;

    FolderItemPtr desktop = SpecialFolders::desktop();
    FolderItemPtr start = desktop ? desktop->parent() : nullptr;
    if (!start)
        start = desktop;
    curBase = -1;
    ResetFileListBox(start, true);
    WindowBackColor = backColor();
}

void Window1::Activate()
{
    invalidateDragMode();
    saveListState();
    OptimizeVolpop();
    ResetFileListBox(nullptr, false);
}

bool Window1::MouseDown(int, int)
{
    invalidateDragMode();
    return true;
}

void Window1::MouseMove(int, int)
{
    if (listChanged) {
        listChanged = false;
        saveListState();
    }
}

void Window1::MouseEnter()
{
    if (dragToExtHappened) {
        dragToExtHappened = false;
        ResetFileListBox(nullptr, false);
    }
}

bool Window1::CancelClose(bool appQuitting)
{
    if (appQuitting)
        return false;
    if (InquiryWindow::ask(QStringLiteral("プログラムを終了します。よろしいですか。"))) {
        Application::quit();
        return false;
    }
    return true;
}

void Window1::Close()
{
    savePrefs();
}
