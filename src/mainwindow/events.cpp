#include "mainwindow/Window1.h"

#include "listview/RowCells.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/LittleArrows.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Timer.h"
#include "prefs/PrefsCore.h"

// Routes the platform's events to the window's handlers.
void Window1::connectEvents()
{
    onActivate = [this] { Activate(); };
    onMouseDown = [this](int x, int y) { return MouseDown(x, y); };
    onMouseMove = [this](int x, int y) { MouseMove(x, y); };
    onMouseEnter = [this] { MouseEnter(); };
    onCancelClose = [this](bool quitting) { return CancelClose(quitting); };
    onClose = [this] { Close(); };
    onKeyDown = [this](const QString& key, int modifiers) { return KeyDown(key, modifiers); };

    FileListBox->onExpandRow = [this](int row) { FileListBox_ExpandRow(row); };
    FileListBox->onChange = [this] { FileListBox_Change(); };
    FileListBox->onHeaderPressed = [this](int column) { return FileListBox_HeaderPressed(column); };
    FileListBox->onSortColumn = [this](int column) { return FileListBox_SortColumn(column); };
    FileListBox->onCellTextPaint = [this](int row, int column) { FileListBox_CellTextPaint(row, column); };
    FileListBox->onMouseExit = [this] { FileListBox_MouseExit(); };

    Timer5->onAction = [this] { Timer5_Action(); };
    Timer7->onAction = [this] { Timer7_Action(); };
    CopyCheckBox->onAction = [this] { CopyCheckBox_Action(); };
    TypeChangeCheck->onAction = [this] { TypeChangeCheck_Action(); };
    DispVisibles->onAction = [this] { DispVisibles_Action(); };
    DispInvises->onAction = [this] { DispInvises_Action(); };
    DispDots->onAction = [this] { DispDots_Action(); };
    ExpandAliases->onAction = [this] { ExpandAliases_Action(); };
    FontSizeButton->onAction = [this] { FontSizeButton_Action(); };
    LittleArrows1->onUp = [this] { LittleArrows1_Up(); };
    LittleArrows1->onDown = [this] { LittleArrows1_Down(); };
    PrefsButton->onMouseEnter = [this] { PrefsButton_MouseEnter(); };
    HelpButton->onAction = [this] { HelpButton_Action(); };
    CloakswitchButton->onAction = [this] { CloakswitchButton_Action(); };

    connectNavigationEvents();
    connectPrefsEvents();
    connectDialogEvents();
    connectEditingEvents();
    connectFileOpsEvents();
    connectDragDropEvents();
    connectTrashEvents();
}

void Window1::FileListBox_Open()
{
    FileListBox->setHeadings({QStringLiteral("名前"), QStringLiteral("作成日"),
                              QStringLiteral("変更日"), QStringLiteral("サイズ"),
                              QStringLiteral("Creator"), QStringLiteral("Type"), QStringLiteral(" "),
                              QStringLiteral("ボリューム参照番号"), QStringLiteral("パス")});
    TempListBox->setHeadings({QString(), {}, {}, {}, {}, {}, {}, {}, {}});
    FileListBox->setColumnWidths(QStringLiteral("350,5,140,90,80,80,1,0,0"));
    FileListBox->setCellFormatter(RowCells::text);
    TempListBox->setCellFormatter(RowCells::text);
    for (int column = 1; column <= 5; ++column)
        FileListBox->setColumnAlignment(column, Qt::AlignHCenter);
    FileListBox->setColumnAlignment(RowCells::kSize, Qt::AlignRight);
    FileListBox->setColumnAlignment(RowCells::kVolumeRef, Qt::AlignHCenter);
    FileListBoxControl->setAcceptsFileDrops(true);
    // The header press comes before the first listing; its refresh waits for Timer7.
    FileListBox->pressHeader(RowCells::kName);
}

void Window1::FileListBox_Change()
{
    OptButtonsState();
    listChanged = true;
}

void Window1::PrefsButton_MouseEnter()
{
    PrefsButton->setHelpTag(globals::Prefs.customOpen
                                ? QStringLiteral("現在の設定：『前回の状態で起動』")
                                : QStringLiteral("現在の設定：『常にデフォルトで起動』"));
}

void Window1::HelpButton_Action()
{
    HelpManual_Action();
}
