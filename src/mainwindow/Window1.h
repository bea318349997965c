#pragma once

#include "listview/ListState.h"
#include "platform/fs/FolderItem.h"
#include "platform/gui/Window.h"

#include <QColor>
#include <QPixmap>
#include <QString>
#include <memory>
#include <vector>

class BevelButton;
class Canvas;
class CheckBox;
class ContextualMenu;
class EmbeddedControl;
class ListBox;
class LittleArrows;
class MenuBar;
class PictButtonClass;
class PopupMenu;
class PushButton;
class RectangleShape;
class RoundRectangle;
class StaticText;
class TextField;
class Timer;
struct ListRow;

// The one main window. It owns the whole browser state; its methods are defined in the
// subsystem folders (listview/, mainwindow/, app/ ...), one file per concern.
class Window1 : public Window {
public:
    explicit Window1(MenuBar* menuBar);
    ~Window1() override;

    // ---- properties, in declaration order -------------------------------------------
    std::vector<FolderItemPtr> baseFolder;
    bool nowSetting = false;
    int curBase = 0;
    QPixmap folderIcon, fileIcon, folderAliasIcon, fileAliasIcon;
    QPixmap backArrow, backArrowDim, forwardArrow, forwardArrowDim;
    QPixmap trashPict, trashPictDim;
    bool resetRunning = false;
    QPixmap applicationIcon, applicationAliasIcon;
    bool nowDragging = false;
    FolderItemPtr destFolder;
    bool externalDragOk = false;
    bool cancelDragFromExt = false, couldntCancelMouseDown = false;
    QColor WindowBackColor;
    bool fromListToExtDragging = false;
    std::vector<int> vrefNums;
    bool listChanged = false;
    bool dragToExtHappened = false;
    int curAddRow = 0;
    std::vector<ListState> expandState, selState;
    bool firstFlag = false;
    QPixmap volumeAliasIcon;
    QString contextJob;
    std::vector<FolderItemPtr> contextFolderItem{2};
    bool isVisCopy = false;
    std::vector<FolderItemPtr> HistoryFolderItem;
    bool firstOpen = false;

    // ---- controls, in creation order ------------------------------------------------
    std::unique_ptr<RectangleShape> BaseDropBox;
    std::unique_ptr<StaticText> NumText;
    std::unique_ptr<RoundRectangle> RoundRectangle1;
    std::unique_ptr<PopupMenu> PathPop2;
    ListBox* FileListBox = nullptr; // owned by its control
    std::unique_ptr<EmbeddedControl> FileListBoxControl;
    std::unique_ptr<PushButton> CloakswitchButton, TypeChangeButton, InvisDupButton,
        InvisCopyButton, InvisMoveButton;
    std::unique_ptr<CheckBox> CopyCheckBox;
    std::unique_ptr<PushButton> NameChangeButton, NewFolderButton;
    std::unique_ptr<PopupMenu> PathPop, VolPop;
    std::unique_ptr<PictButtonClass> BackButton, ForwardButton, TrashButton;
    std::unique_ptr<PushButton> JumpEntityButton;
    std::unique_ptr<Timer> Timer1;
    std::unique_ptr<CheckBox> ExternalDragCheckBox;
    std::unique_ptr<PushButton> FontSizeButton;
    std::unique_ptr<LittleArrows> LittleArrows1;
    std::unique_ptr<Timer> Timer2;
    std::unique_ptr<BevelButton> DragCancelButton;
    std::unique_ptr<Canvas> DragCanvas;
    std::unique_ptr<Timer> Timer3, Timer4;
    std::unique_ptr<RoundRectangle> SelectionGroup;
    std::unique_ptr<CheckBox> DispInvises, DispDots, ExpandAliases;
    std::unique_ptr<ContextualMenu> ContextualMenu1;
    std::unique_ptr<Timer> Timer5;
    std::unique_ptr<CheckBox> BaseCheckBox;
    std::unique_ptr<TextField> DestDispField;
    std::unique_ptr<CheckBox> WithReport, DispVisibles;
    std::unique_ptr<PopupMenu> HistoryPop;
    std::unique_ptr<StaticText> StaticText1;
    std::unique_ptr<Timer> Timer6;
    std::unique_ptr<CheckBox> TypeChangeCheck;
    std::unique_ptr<Timer> Timer7;
    ListBox* TempListBox = nullptr;
    std::unique_ptr<EmbeddedControl> TempListBoxControl;
    std::unique_ptr<PushButton> HelpButton, PrefsButton;

    // ---- start-up and lifecycle (app/) ------------------------------------------------
    void Open();
    void Activate();
    bool MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseEnter();
    bool CancelClose(bool appQuitting);
    void Close();
    bool KeyDown(const QString& key, int modifiers);
    void Timer7_Action();

    // ---- controls and command enabling (mainwindow/) ----------------------------------
    void OptButtonsState();
    void OptTrashBtnState();
    void OptCopyBtnState();
    void OptDupBtnState();
    void Timer5_Action();
    void CopyCheckBox_Action();
    void TypeChangeCheck_Action();
    void FileListBox_Open();
    void FileListBox_Change();
    void FileListBox_MouseExit();
    void PrefsButton_MouseEnter();
    void HelpButton_Action();

    // ---- listing (listview/) ---------------------------------------------------------
    void ResetFileListBox(FolderItemPtr folder, bool newBase);
    void drawListAndPathpop(const FolderItemPtr& folder);
    void dispOneFile(ListBox& list, int& row, const FolderItemPtr& item);
    FolderItemPtr getRowFolderItem(int row, bool unresolved) const;
    FolderItemPtr getTempRowFolderItem(int row, bool unresolved) const;
    bool compareRowToFolderItem(int row, const FolderItemPtr& item) const;
    void FileListBox_ExpandRow(int row);
    bool FileListBox_CellTextPaint(int row, int column);
    void showItemCount(); // NumText
    void DispVisibles_Action();
    void DispInvises_Action();
    void DispDots_Action();
    void ExpandAliases_Action();
    void saveListState();

    // ---- list appearance (listview/) -------------------------------------------------
    bool FileListBox_HeaderPressed(int column);
    bool FileListBox_SortColumn(int column);
    int culcRowHeight(const ListBox* list) const;
    int getClickedRow(const ListBox* list) const;
    void FontSizeButton_Action();
    void LittleArrows1_Up();
    void LittleArrows1_Down();

    // ---- volume, path and history pop-ups, back and forward (navigation/) -------------
    void OptimizeVolpop();
    bool isVrefOk() const;
    void VolPop_Change();
    void VolPop_MouseEnter();
    void setPathName(const FolderItemPtr& folder);
    void PathPop_Change();
    void BaseDropBox_Open();
    void BaseDropBox_DropObject(const std::vector<FolderItemPtr>& items);
    void addHistory();
    void optHistoryPop();
    void HistoryPop_Change();
    bool RemoveAbnormal(int direction);
    void removePosition(int index);
    void BackButton_Action();
    void ForwardButton_Action();
    void jumpHistory(const QString& label);
    bool isRequestedContextMenu();
    void ContextualMenu1_Action(const QString& entry);
    void connectNavigationEvents();

    // ---- preferences, alias jump, double-click (prefs/, navigation/, finder/) --------
    void connectPrefsEvents();
    void savePrefs();
    void loadPrefs();
    void Timer6_Action();
    void AppPrefs_Action();
    void PrefsButton_Action();
    void JumpEntityButton_Action();
    FolderItemPtr getEntityFolderItem(const FolderItemPtr& item) const;
    void dispEntity(const FolderItemPtr& item);
    void FileListBox_DoubleClick();
    std::vector<CheckBox*> prefsCheckBoxes() const; // in the order the preferences keep
    void showPrefsWindow();
    void selectRowAlone(int row);
    std::shared_ptr<class PrefsWindow> m_prefsWindow; // made on first use, then kept

    // ---- dialogs, About and help (dialogs/, app/) -------------------------------------
    void connectDialogEvents();
    bool AppleIAbout_Action();
    bool HelpManual_Action();
    // Each made on first use and kept until the window goes, which is before the
    // application does. Shared pointers let this header name the classes only.
    class AboutWindow& aboutWindow();
    class FLHelpWindow& helpWindow();
    std::shared_ptr<AboutWindow> m_aboutWindow;
    std::shared_ptr<FLHelpWindow> m_helpWindow;

    // ---- visibility toggle (finderinfo/) ----------------------------------------------
    void CloakswitchButton_Action();

    // ---- rename and creator/type change (finderinfo/, fileops/) ----------------------
    void connectEditingEvents();
    void NameChangeButton_Action();
    void TypeChangeButton_Action();
    // Free names and system-prepared items; they read the file system, change nothing.
    static QString uniqueName(const FolderItemPtr& folder, const QString& name);
    static bool isReservedName(const FolderItemPtr& item);
    // The one creator/type dialog, made on first use and kept (hidden) afterwards.
    class TypeChangeWindow& typeChangeWindow();
    std::shared_ptr<class TypeChangeWindow> m_typeChangeWindow;

    // ---- copy, move, duplicate, alias, new folder (fileops/) ---------------------------
    void connectFileOpsEvents();
    void DeleteFileOrFolder(const FolderItemPtr& item);
    void InvisDupButton_Action();
    void NewFolderButton_Action();
    void InvisCopyButton_Action();
    void InvisMoveButton_Action();
    void FileCopyOrMove(int mode);
    void CopyOrMoveOneFile(const FolderItemPtr& item, const FolderItemPtr& destination, int mode);
    // replacing: the item at destination/newName is swapped out once the copy is whole.
    void CopyOneItem(const FolderItemPtr& item, const FolderItemPtr& destination,
                     const QString& newName, bool replacing = false);
    void CopyFileOrFolder(const FolderItemPtr& item, const FolderItemPtr& destination);
    bool inTheFolder(const FolderItemPtr& item, const FolderItemPtr& folder) const;
    void duplicateFilesOrFolders(bool mode);
    void createNewFolder();
    // The recorded selection of the current position, each item once, without those
    // already directly inside skipChildrenOf.
    std::vector<FolderItemPtr> recordedSelection(const FolderItemPtr& skipChildrenOf);
    static QString duplicateName(const FolderItemPtr& item, bool alias);
    bool moveReplacing(const FolderItemPtr& item, const FolderItemPtr& destination,
                       const QString& name);
    bool aliasReplacing(const FolderItemPtr& item, const FolderItemPtr& destination,
                        const QString& name);

    // ---- visible copy (fileops/) -------------------------------------------------------
    // Called by the copy only while isVisCopy: whether the item is copied at all, and the
    // copy's name and visibility once it has arrived.
    bool canVisCopy(const FolderItemPtr& item);
    void completeVisCopy(const FolderItemPtr& copy);
    // The settings window, made on first use and only hidden afterwards: its settings
    // last for the run.
    class VisCopyWindow& visCopyWindow();
    std::shared_ptr<class VisCopyWindow> m_visCopyWindow;
    // The name the copy of an item takes: in a visible copy the completed name, else its
    // own.
    QString visCopyName(const FolderItemPtr& item);
    // The visible copy of item in folder as name, replacing what stands there when asked;
    // true when it arrived.
    bool visibleCopy(const FolderItemPtr& item, const FolderItemPtr& folder, const QString& name,
                     bool replacing);

    // ---- drop destination tracking (dragdrop/) -----------------------------------------
    void connectDragDropEvents();
    void prepareCheckMarks(bool on);
    void checkMarkSetOnFolder(int row); // negative or past the last row: no row
    void prepareTrashDrop(bool on);
    void invalidateDragMode();
    void Timer1_Action();
    void Timer2_Action();
    void FileListBox_MouseEnter();
    void restoreWindowColor();

    // ---- dragging rows (dragdrop/) ------------------------------------------------------
    void connectRowDragEvents();
    bool FileListBox_DragRow(std::vector<FolderItemPtr>& drag, int row);
    bool trackInWindowDrag();
    void setupDragCanvas();
    void deliverRowDrop(const std::vector<FolderItemPtr>& drag);
    void Timer3_Action();
    void Timer4_Action();
    void DragCancelButton_DropObject();
    void ExternalDragCheckBox_Action();

    // ---- drops on the list, the row menu (dragdrop/, finder/) ----------------------------
    void FileListBox_DropObject(const std::vector<FolderItemPtr>& drag);
    bool FileListBox_MouseDown(int x, int y);
    void rowMenuAction(const QString& entry);

    // ---- trash and keyboard commands (fileops/, mainwindow/) ---------------------------
    void connectTrashEvents();
    void TrashButton_Open();
    void TrashButton_Action();
    void TrashButton_MouseEnter();
    void TrashButton_MouseExit();
    void TrashButton_DropObject(const std::vector<FolderItemPtr>& items);
    // Modes from the keys: Shift 1 + Command 2 + Option 4; 0 shows the trash, 2 moves the
    // recorded selection into it, 3 empties it, 6 deletes the selection; others nothing.
    void executeTrashBehavior(int mode);
    void dispLocalTrash();
    void clearLocalTrash();
    void selectAllInTheFolder();

private:
    void createControls();
    void installButtonPictures();
    void connectEvents();
    void composeRowPictures();
    void applyTextSize(int size);
    bool listsRow(const FolderItemPtr& item, ListRow& out) const;
    FolderItemPtr rowItem(const ListBox& list, int row, bool unresolved) const;
};
