#pragma once

#include "fileops/VisCopyRules.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/ModalWindow.h"

#include <array>
#include <memory>

class BevelButton;
class CheckBox;
class EditableListBox;
class GroupBox;
class PushButton;
class StaticText;
class TextField;

// The settings of a visible copy: whether invisible items become visible, the prefix
// that makes dot-named items visible, and the names that are not copied. One instance
// serves the whole run; its buttons hide it, so the settings stay as the user left them
// (they are not saved with the preferences).
class VisCopyWindow : public ModalWindow {
  public:
    // The exclusion list's columns: the name pattern, the mode as shown, its number.
    static constexpr int kPatternColumn = 0, kModeTextColumn = 1, kModeColumn = 2;
    // The modes in menu order; a mode's number is its index.
    static const QStringList& modeTexts();

    VisCopyWindow();
    ~VisCopyWindow() override;

    std::unique_ptr<CheckBox> InvisCheck, DotCheck;
    std::unique_ptr<GroupBox> DotGroup;
    std::array<std::unique_ptr<StaticText>, 4> LabelText;
    std::unique_ptr<TextField> PrefixField;
    std::unique_ptr<CheckBox> ExcludeCheck;
    std::unique_ptr<GroupBox> ExcludeGroup;
    std::unique_ptr<EditableListBox> ExcludeList;
    std::unique_ptr<BevelButton> AddButton, DelButton;
    std::unique_ptr<PushButton> DefaultButton, CancelButton, OkButton;
    ContextualMenu ContextualMenu1;
    int clickedRow = -1; // the row whose mode menu is open

    // The settings as they stand in the controls.
    VisCopyRules rules() const;

    void Open();
    void ExcludeList_Open();
    bool ExcludeList_CellClick(int row, int column, int x, int y);
    void ContextualMenu1_Action(const QString& chosen);
    void AddButton_Action();
    void DelButton_Action();
    void DotCheck_Action();
    void ExcludeCheck_Action();
    void DefaultButton_Action();
    void OkButton_Action();
    void CancelButton_Action();

  private:
    void createControls();
    void createDotControls();
    void createExcludeControls();
    void createButtons();
    void connectEvents();
    void addDefaultExclusion();
};
