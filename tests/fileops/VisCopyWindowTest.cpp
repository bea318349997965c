#include "fileops/VisCopyWindow.h"
#include "dialogs/answers.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/EditableListBox.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

namespace {

class VisCopySettings : public WindowTest {
  protected:
    VisCopyWindow& v() { return w().visCopyWindow(); }
    EditableListBox& table() { return *v().ExcludeList; }
    QStringList row(int r) { return {table().cell(r, 0), table().cell(r, 1), table().cell(r, 2)}; }
    void clickCell(int r, int column) {
        QTreeWidget* t = table().tree();
        const QRect cell = t->visualRect(t->model()->index(r, column));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // Shows the window through the responder, which pushes the given button.
    void showAndPush(const QString& button) {
        m_responder.answer(button);
        v().showModal();
    }
};

const QStringList kDefaultRow = {".DS_Store", "と一致", "0"};

TEST_F(VisCopySettings, ControlsStandWhereTheyAreDesignedWithTheirTexts) {
    VisCopyWindow& win = v();
    EXPECT_EQ(win.title(), "可視コピー");
    EXPECT_EQ(QSize(win.width(), win.height()), QSize(320, 450));
    EXPECT_EQ(win.backColor(), QColor(Qt::white));
    const struct {
        Control* control;
        QRect rect;
        int textSize;
        Control* inside;
    } layout[] = {
        {win.InvisCheck.get(), {20, 14, 200, 20}, 12, nullptr},
        {win.DotCheck.get(), {20, 42, 200, 20}, 12, nullptr},
        {win.DotGroup.get(), {20, 65, 280, 115}, 12, nullptr},
        {win.LabelText[0].get(), {29, 76, 263, 66}, 10, win.DotGroup.get()},
        {win.LabelText[1].get(), {83, 152, 50, 20}, 12, win.DotGroup.get()},
        {win.PrefixField.get(), {137, 148, 50, 22}, 12, win.DotGroup.get()},
        {win.ExcludeCheck.get(), {20, 188, 270, 20}, 12, nullptr},
        {win.ExcludeGroup.get(), {20, 210, 280, 190}, 12, nullptr},
        {win.ExcludeList.get(), {30, 220, 260, 100}, 12, win.ExcludeGroup.get()},
        {win.AddButton.get(), {30, 319, 22, 22}, 12, win.ExcludeGroup.get()},
        {win.DelButton.get(), {51, 319, 22, 22}, 12, win.ExcludeGroup.get()},
        {win.LabelText[2].get(), {82, 327, 210, 15}, 10, win.ExcludeGroup.get()},
        {win.LabelText[3].get(), {30, 347, 260, 46}, 9, win.ExcludeGroup.get()},
        {win.DefaultButton.get(), {20, 410, 120, 20}, 12, nullptr},
        {win.CancelButton.get(), {168, 410, 60, 20}, 12, nullptr},
        {win.OkButton.get(), {240, 410, 60, 20}, 12, nullptr},
    };
    for (const auto& c : layout) {
        EXPECT_EQ(c.control->bounds(), c.rect) << c.control->name().toStdString();
        EXPECT_EQ(c.control->textSize(), c.textSize) << c.control->name().toStdString();
        EXPECT_EQ(c.control->inside(), c.inside) << c.control->name().toStdString();
    }

    for (CheckBox* box : {win.InvisCheck.get(), win.DotCheck.get(), win.ExcludeCheck.get()})
        EXPECT_TRUE(box->value()) << box->caption().toStdString();
    EXPECT_EQ(win.InvisCheck->caption(), "不可視項目を可視に変える");
    EXPECT_EQ(win.DotCheck->caption(), "dot開始項目の名称を変更する");
    EXPECT_EQ(win.ExcludeCheck->caption(), "以下の名称を対象外とする（コピーしない）");
    EXPECT_TRUE(win.LabelText[0]->text().startsWith("dot開始項目は、通常Finderでは"));
    EXPECT_TRUE(
        win.LabelText[0]->text().endsWith("接頭辞を付けない場合は見えないままになります。"));
    EXPECT_EQ(win.LabelText[1]->text(), "接頭辞：");
    EXPECT_EQ(win.LabelText[2]->text(), "表の入力方法：ここでマウスを止めて下さい。");
    EXPECT_TRUE(win.LabelText[3]->text().startsWith("注意：.DS_Store等、システム管理ファイルは"));
    EXPECT_TRUE(win.LabelText[3]->text().endsWith("リストに残しておくのがよいと思われます。"));
    EXPECT_EQ(win.LabelText[3]->widget()->palette().color(QPalette::WindowText),
              QColor(0xFF, 0, 0));
    EXPECT_EQ(win.PrefixField->text(), "_");
    EXPECT_EQ(win.AddButton->caption(), "＋");
    EXPECT_EQ(win.DelButton->caption(), "ー");
    EXPECT_EQ(win.DefaultButton->caption(), "デフォルトに戻す");
    EXPECT_EQ(win.CancelButton->caption(), "取消");
    EXPECT_EQ(win.OkButton->caption(), "実行");
    EXPECT_EQ(win.defaultButton(), win.OkButton.get());
    EXPECT_EQ(win.cancelButton(), win.CancelButton.get());

    EXPECT_EQ(win.PrefixField->helpTag(), "デフォルトでは『_』つまり\rアンダースコア１文字です");
    EXPECT_EQ(win.AddButton->helpTag(), "項目追加");
    EXPECT_EQ(win.DelButton->helpTag(), "　　　　　項目削除\r（選択されている全項目を削除）");
    EXPECT_EQ(
        win.LabelText[2]->helpTag().split('\r'),
        QStringList({"◇項目名の列をクリックすると名称を入力できます",
                     "◇モードの列をクリックするとメニュー選択でその",
                     "　名称の利用方法を指定できます", "　（〜と同一／〜で始まる／〜で終わる）",
                     "◇ヘッダ部分をクリックすると整列できます", "◇複数行の選択ができます"}));

    EXPECT_EQ(table().headings(), QStringList({"除外項目名称", "モード", ""}));
    ASSERT_EQ(table().rowCount(), 1);
    EXPECT_EQ(row(0), kDefaultRow);
    EXPECT_TRUE(table().columnEditable(0));
    EXPECT_FALSE(table().columnEditable(1));
    EXPECT_EQ(table().columnWidth(2), 0) << "the mode number is hidden";
    EXPECT_NEAR(table().columnWidth(0), 3 * table().columnWidth(1), 3);
    EXPECT_EQ(win.ContextualMenu1.rows(), QStringList({"と一致", "で始まる", "で終わる"}));
}

TEST_F(VisCopySettings, EachCheckBoxEnablesItsGroupWithEverythingInIt) {
    VisCopyWindow& win = v();
    const struct {
        CheckBox* box;
        std::vector<Control*> group;
        std::vector<Control*> others;
    } cases[] = {
        {win.DotCheck.get(),
         {win.DotGroup.get(), win.LabelText[0].get(), win.LabelText[1].get(),
          win.PrefixField.get()},
         {win.ExcludeGroup.get(), win.ExcludeList.get(), win.InvisCheck.get()}},
        {win.ExcludeCheck.get(),
         {win.ExcludeGroup.get(), win.ExcludeList.get(), win.AddButton.get(), win.DelButton.get(),
          win.LabelText[2].get(), win.LabelText[3].get()},
         {win.DotGroup.get(), win.PrefixField.get(), win.InvisCheck.get()}},
    };
    for (const auto& c : cases) {
        c.box->setValue(false);
        for (Control* control : c.group)
            EXPECT_FALSE(control->enabled()) << control->name().toStdString();
        for (Control* control : c.others)
            EXPECT_TRUE(control->enabled()) << control->name().toStdString();
        EXPECT_TRUE(c.box->enabled());
        c.box->setValue(true);
        for (Control* control : c.group)
            EXPECT_TRUE(control->enabled()) << control->name().toStdString();
    }
}

TEST_F(VisCopySettings, ModeColumnOpensTheMenuForItsRowAlone) {
    table().addRow({"a", "と一致", "0"});
    table().addRow({"b", "と一致", "0"});
    v().show();
    table().setSelected(0, true);
    table().setSelected(1, true);

    m_responder.answer("で始まる");
    clickCell(2, 1);
    ASSERT_EQ(m_responder.records.size(), 1u);
    EXPECT_EQ(m_responder.records[0].kind, ModalRecord::Kind::ContextualMenu);
    EXPECT_EQ(m_responder.records[0].texts, QStringList({"と一致", "で始まる", "で終わる"}));
    EXPECT_EQ(v().clickedRow, 2);
    EXPECT_EQ(row(2), QStringList({"b", "で始まる", "1"}));
    EXPECT_EQ(table().selCount(), 1);
    EXPECT_TRUE(table().selected(2));
    EXPECT_FALSE(table().isEditing());

    m_responder.answer("で終わる");
    clickCell(0, 1);
    EXPECT_EQ(row(0), QStringList({".DS_Store", "で終わる", "2"}));
    EXPECT_EQ(row(2), QStringList({"b", "で始まる", "1"})) << "other rows keep their modes";

    m_responder.answer(""); // the menu closed without a choice
    clickCell(1, 1);
    EXPECT_EQ(row(1), QStringList({"a", "と一致", "0"}));

    clickCell(1, 0);
    EXPECT_EQ(m_responder.records.size(), 3u) << "the name column opens no menu";
    EXPECT_TRUE(table().isEditing()) << "it edits the name";
    v().hide();
}

TEST_F(VisCopySettings, AddAppendsAnEditedRowDeleteRemovesTheSelectedOnes) {
    v().show();
    v().AddButton->push();
    ASSERT_EQ(table().rowCount(), 2);
    EXPECT_EQ(row(1), QStringList({"", "と一致", "0"}));
    EXPECT_TRUE(table().isEditing());
    QTreeWidget* t = table().tree();
    auto* editor = t->indexWidget(t->model()->index(1, 0));
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, ".git");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(row(1), QStringList({".git", "と一致", "0"}));
    EXPECT_TRUE(v().visible()) << "Return in the table does not run the copy";

    for (const char* name : {"c", "d", "e"}) {
        v().AddButton->push();
        table().setCell(table().rowCount() - 1, 0, name);
    }
    table().endEditing();
    for (int r : {0, 2, 4})
        table().setSelected(r, true);
    v().DelButton->push();
    EXPECT_EQ(table().rowCount(), 2);
    EXPECT_EQ(table().cell(0, 0), ".git");
    EXPECT_EQ(table().cell(1, 0), "d");
    v().DelButton->push();
    EXPECT_EQ(table().rowCount(), 2) << "nothing selected, nothing removed";
    v().hide();
}

TEST_F(VisCopySettings, DefaultsComeBackWithBothGroupsEnabled) {
    VisCopyWindow& win = v();
    win.InvisCheck->setValue(false);
    win.DotCheck->setValue(false);
    win.ExcludeCheck->setValue(false);
    win.PrefixField->setText("");
    table().deleteAllRows();
    table().addRow({"x", "で終わる", "2"});
    table().addRow({"y", "と一致", "0"});
    win.DefaultButton->push();
    for (CheckBox* box : {win.InvisCheck.get(), win.DotCheck.get(), win.ExcludeCheck.get()})
        EXPECT_TRUE(box->value()) << box->name().toStdString();
    EXPECT_TRUE(win.DotGroup->enabled());
    EXPECT_TRUE(win.ExcludeGroup->enabled());
    EXPECT_TRUE(win.PrefixField->enabled());
    EXPECT_TRUE(win.ExcludeList->enabled());
    EXPECT_EQ(win.PrefixField->text(), "_");
    ASSERT_EQ(table().rowCount(), 1);
    EXPECT_EQ(row(0), kDefaultRow);
}

TEST_F(VisCopySettings, OkAndCancelHideTheWindowAndTheSettingsLast) {
    const std::pair<const char*, bool> buttons[] = {{"OkButton", true}, {"CancelButton", false}};
    for (const auto& [button, answer] : buttons) {
        globals::retOk = !answer;
        const int before = table().rowCount();
        m_responder.prepare = [&](ModalWindow&) {
            v().PrefixField->setText("vis-");
            v().InvisCheck->setValue(false);
            table().addRow({"Thumbs.db", "と一致", "0"});
        };
        showAndPush(button);
        m_responder.prepare = nullptr;
        EXPECT_EQ(globals::retOk, answer) << button;
        EXPECT_FALSE(v().visible()) << button;
        EXPECT_EQ(&v(), &w().visCopyWindow()) << "one window for the run";
        EXPECT_EQ(table().rowCount(), before + 1) << button << ": edits are not undone";
    }
    // Reopened, the window shows what was left.
    QStringList shown;
    m_responder.prepare = [&](ModalWindow& window) { shown = window.shownTexts(); };
    showAndPush("CancelButton");
    EXPECT_TRUE(shown.contains("vis-"));
    EXPECT_FALSE(v().InvisCheck->value());
    EXPECT_EQ(m_responder.records.back().title, "可視コピー");
}

TEST_F(VisCopySettings, ResizingGrowsTheTableAndKeepsTheCornersAndTheNoteBelowIt) {
    VisCopyWindow& win = v();
    win.show();
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{420, 560}, Size{320, 420}, Size{320, 450}}) {
        win.topWidget()->resize(size.width, size.height);
        QApplication::processEvents();
        ASSERT_EQ(QSize(win.width(), win.height()), QSize(size.width, size.height));
        const int dw = size.width - 320, dh = size.height - 450;
        EXPECT_EQ(win.ExcludeGroup->bounds(), QRect(20, 210, 280 + dw, 190 + dh));
        EXPECT_EQ(win.ExcludeList->bounds(), QRect(30, 220, 260 + dw, 100 + dh));
        EXPECT_EQ(win.DotGroup->bounds(), QRect(20, 65, 280 + dw, 115));
        EXPECT_EQ(win.LabelText[0]->bounds(), QRect(29, 76, 263 + dw, 66));
        EXPECT_EQ(win.PrefixField->bounds(), QRect(137, 148, 50, 22));
        EXPECT_EQ(win.OkButton->bounds(), QRect(240 + dw, 410 + dh, 60, 20));
        EXPECT_EQ(win.CancelButton->bounds(), QRect(168 + dw, 410 + dh, 60, 20));
        EXPECT_EQ(win.LabelText[2]->bounds(), QRect(82 + dw, 327 + dh, 210, 15));
        EXPECT_EQ(win.DefaultButton->bounds(), QRect(20, 410 + dh, 120, 20));
        EXPECT_EQ(win.AddButton->bounds(), QRect(30, 319 + dh, 22, 22));
        EXPECT_EQ(win.DelButton->bounds(), QRect(51, 319 + dh, 22, 22));
        // The red note keeps to the bottom: under the list, inside the group, above the
        // buttons at the bottom.
        const QRect note = win.LabelText[3]->bounds();
        EXPECT_EQ(note, QRect(30, 347 + dh, 260 + dw, 46));
        EXPECT_GT(note.top(), win.ExcludeList->bounds().bottom());
        EXPECT_LE(note.bottom(), win.ExcludeGroup->bounds().bottom());
        EXPECT_LT(note.bottom(), win.DefaultButton->bounds().top());
        EXPECT_NEAR(table().columnWidth(0), 3 * table().columnWidth(1), 3);
    }
    win.topWidget()->resize(200, 300);
    QApplication::processEvents();
    EXPECT_EQ(QSize(win.width(), win.height()), QSize(320, 420)) << "the minimum size holds";
    win.hide();
}

} // namespace
