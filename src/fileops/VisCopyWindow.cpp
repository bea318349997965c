#include "fileops/VisCopyWindow.h"

#include "dialogs/answers.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/EditableListBox.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

const QStringList& VisCopyWindow::modeTexts() {
    static const QStringList texts = {QStringLiteral("と一致"), QStringLiteral("で始まる"),
                                      QStringLiteral("で終わる")};
    return texts;
}

VisCopyWindow::VisCopyWindow() : ModalWindow(Style::Movable) {
    createControls();
    connectEvents();
    Open();
}

VisCopyWindow::~VisCopyWindow() = default;

void VisCopyWindow::connectEvents() {
    ExcludeList->onCellClick = [this](int row, int column, int x, int y) {
        return ExcludeList_CellClick(row, column, x, y);
    };
    ContextualMenu1.onAction = [this](const QString& chosen) { ContextualMenu1_Action(chosen); };
    AddButton->onAction = [this] { AddButton_Action(); };
    DelButton->onAction = [this] { DelButton_Action(); };
    DotCheck->onAction = [this] { DotCheck_Action(); };
    ExcludeCheck->onAction = [this] { ExcludeCheck_Action(); };
    DefaultButton->onAction = [this] { DefaultButton_Action(); };
    OkButton->onAction = [this] { OkButton_Action(); };
    CancelButton->onAction = [this] { CancelButton_Action(); };
}

VisCopyRules VisCopyWindow::rules() const {
    VisCopyRules r;
    r.makeVisible = InvisCheck->value();
    r.renameDotNames = DotCheck->value();
    r.prefix = PrefixField->text();
    r.exclude = ExcludeCheck->value();
    for (int row = 0; row < ExcludeList->rowCount(); ++row)
        r.exclusions.push_back(
            {ExcludeList->cell(row, kPatternColumn), ExcludeList->cell(row, kModeColumn).toInt()});
    return r;
}

void VisCopyWindow::Open() {
    ContextualMenu1.deleteAllRows();
    for (const QString& mode : modeTexts())
        ContextualMenu1.addRow(mode);
}

void VisCopyWindow::ExcludeList_Open() {
    ExcludeList->setColumnEditable(kPatternColumn, true);
}

bool VisCopyWindow::ExcludeList_CellClick(int row, int column, int, int) {
    if (column != kModeTextColumn)
        return false;
    for (int other = 0; other < ExcludeList->rowCount(); ++other)
        ExcludeList->setSelected(other, other == row);
    ExcludeList->refresh();
    clickedRow = row;
    ContextualMenu1.popup();
    return false;
}

void VisCopyWindow::ContextualMenu1_Action(const QString& chosen) {
    const int mode = int(modeTexts().indexOf(chosen));
    if (mode < 0)
        return;
    ExcludeList->setCell(clickedRow, kModeTextColumn, chosen);
    ExcludeList->setCell(clickedRow, kModeColumn, QString::number(mode));
}

void VisCopyWindow::AddButton_Action() {
    ExcludeList->endEditing();
    ExcludeList->addRow({QString(), modeTexts().at(0), QStringLiteral("0")});
    ExcludeList->editCell(ExcludeList->rowCount() - 1, kPatternColumn);
}

void VisCopyWindow::DelButton_Action() {
    ExcludeList->endEditing();
    for (int row = ExcludeList->rowCount() - 1; row >= 0; --row) {
        if (ExcludeList->selected(row))
            ExcludeList->removeRow(row);
    }
}

void VisCopyWindow::DotCheck_Action() {
    DotGroup->setEnabled(DotCheck->value());
}

void VisCopyWindow::ExcludeCheck_Action() {
    ExcludeGroup->setEnabled(ExcludeCheck->value());
}

void VisCopyWindow::DefaultButton_Action() {
    ExcludeList->endEditing();
    InvisCheck->setValue(true);
    DotCheck->setValue(true);
    ExcludeCheck->setValue(true);
    PrefixField->setText(QStringLiteral("_"));
    ExcludeList->deleteAllRows();
    addDefaultExclusion();
    DotGroup->setEnabled(true);
    ExcludeGroup->setEnabled(true);
}

// Hidden, not destroyed: the settings stay for the rest of the run.
void VisCopyWindow::OkButton_Action() {
    ExcludeList->endEditing();
    globals::retOk = true;
    close();
}

void VisCopyWindow::CancelButton_Action() {
    ExcludeList->endEditing();
    globals::retOk = false;
    close();
}
