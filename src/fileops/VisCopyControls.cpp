#include "fileops/VisCopyWindow.h"

#include "platform/gui/CheckBox.h"
#include "platform/gui/EditableListBox.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

#include <QStringList>

namespace {

constexpr int kWidth = 320, kHeight = 450, kMinHeight = 420;

template <typename T> std::unique_ptr<T> named(T* control, const char* name, int textSize = 12) {
    control->setName(QString::fromLatin1(name));
    control->setTextSize(textSize);
    return std::unique_ptr<T>(control);
}

QString lines(std::initializer_list<const char16_t*> parts) {
    QStringList out;
    for (const char16_t* part : parts)
        out << QString::fromUtf16(part);
    return out.join(QLatin1Char('\r'));
}

} // namespace

void VisCopyWindow::createControls() {
    setTitle(QStringLiteral("可視コピー"));
    setSize(kWidth, kHeight);
    setBackColor(rgb(0xFFFFFF));
    createDotControls();
    createExcludeControls();
    createButtons();
    setResizable(true);
    setMinimumSize(kWidth, kMinHeight);
}

void VisCopyWindow::createDotControls() {
    WindowBase& w = *this;
    InvisCheck = named(new CheckBox(w, 20, 14, 200, 20, QStringLiteral("不可視項目を可視に変える")),
                       "InvisCheck");
    InvisCheck->setValue(true);
    DotCheck =
        named(new CheckBox(w, 20, 42, 200, 20, QStringLiteral("dot開始項目の名称を変更する")),
              "DotCheck");
    DotCheck->setValue(true);
    DotGroup = named(new GroupBox(w, 20, 65, 280, 115), "DotGroup");
    DotGroup->setAnchors(kAnchorLeft | kAnchorTop | kAnchorRight);
    LabelText[0] =
        named(new StaticText(w, 29, 76, 263, 66,
                             QStringLiteral("dot開始項目は、通常Finderでは不可視項目と同じ扱いで、"
                                            "名称を変更しないと見えません。元の名称がわかるように、"
                                            "先頭に文字を付けるだけにします。どのような文字にするか"
                                            "入力してください。接頭辞を付けない場合は見えないままに"
                                            "なります。"),
                             DotGroup.get()),
              "LabelText", 10);
    LabelText[0]->setMultiLine(true);
    LabelText[0]->setAnchors(kAnchorLeft | kAnchorTop | kAnchorRight);
    LabelText[1] =
        named(new StaticText(w, 83, 152, 50, 20, QStringLiteral("接頭辞："), DotGroup.get()),
              "LabelText");
    PrefixField = named(new TextField(w, 137, 148, 50, 22, false, DotGroup.get()), "PrefixField");
    PrefixField->setBackColor(Qt::white);
    PrefixField->setText(QStringLiteral("_"));
    PrefixField->setHelpTag(lines({u"デフォルトでは『_』つまり", u"アンダースコア１文字です"}));
}

void VisCopyWindow::createExcludeControls() {
    WindowBase& w = *this;
    ExcludeCheck = named(new CheckBox(w, 20, 188, 270, 20,
                                      QStringLiteral("以下の名称を対象外とする（コピーしない）")),
                         "ExcludeCheck");
    ExcludeCheck->setValue(true);
    ExcludeGroup = named(new GroupBox(w, 20, 210, 280, 190), "ExcludeGroup");
    ExcludeGroup->setAnchors(kAnchorAll);
    ExcludeList =
        named(new EditableListBox(w, 30, 220, 260, 100, 3, ExcludeGroup.get()), "ExcludeList");
    ExcludeList->setAnchors(kAnchorAll);
    ExcludeList->setHeadings({QStringLiteral("除外項目名称"), QStringLiteral("モード"), QString()});
    ExcludeList->setColumnWidths(QStringLiteral("75%,,0"));
    addDefaultExclusion();
    ExcludeList_Open();

    AddButton = named(new BevelButton(w, 30, 319, 22, 22, QStringLiteral("＋"), ExcludeGroup.get()),
                      "AddButton");
    AddButton->setHelpTag(QStringLiteral("項目追加"));
    DelButton = named(new BevelButton(w, 51, 319, 22, 22, QStringLiteral("ー"), ExcludeGroup.get()),
                      "DelButton");
    DelButton->setHelpTag(lines({u"　　　　　項目削除", u"（選択されている全項目を削除）"}));
    for (Control* below :
         {static_cast<Control*>(AddButton.get()), static_cast<Control*>(DelButton.get())})
        below->setAnchors(kAnchorLeft | kAnchorBottom);

    LabelText[2] =
        named(new StaticText(w, 82, 327, 210, 15,
                             QStringLiteral("表の入力方法：ここでマウスを止めて下さい。"),
                             ExcludeGroup.get()),
              "LabelText", 10);
    LabelText[2]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LabelText[2]->setAnchors(kAnchorRight | kAnchorBottom);
    LabelText[2]->setHelpTag(
        lines({u"◇項目名の列をクリックすると名称を入力できます",
               u"◇モードの列をクリックするとメニュー選択でその", u"　名称の利用方法を指定できます",
               u"　（〜と同一／〜で始まる／〜で終わる）",
               u"◇ヘッダ部分をクリックすると整列できます", u"◇複数行の選択ができます"}));

    LabelText[3] =
        named(new StaticText(w, 30, 347, 260, 46,
                             QStringLiteral("注意：.DS_Store等、システム管理ファイルは除外しても"
                                            "コピー後に自動作成される場合があります。しかし、"
                                            "ここで除外しないと名称変更されて残ってしまうので、"
                                            "名称変更する場合はリストに残しておくのがよいと"
                                            "思われます。"),
                             ExcludeGroup.get()),
              "LabelText", 9);
    LabelText[3]->setMultiLine(true);
    LabelText[3]->setTextColor(rgb(0xFF0000));
    // The note stays below the growing list: held at the top it would lie under the
    // list and, at the minimum height, over the buttons below the group.
    LabelText[3]->setAnchors(kAnchorLeft | kAnchorRight | kAnchorBottom);
}

void VisCopyWindow::createButtons() {
    WindowBase& w = *this;
    DefaultButton = named(new PushButton(w, 20, 410, 120, 20, QStringLiteral("デフォルトに戻す")),
                          "DefaultButton");
    DefaultButton->setAnchors(kAnchorLeft | kAnchorBottom);
    CancelButton =
        named(new PushButton(w, 168, 410, 60, 20, QStringLiteral("取消")), "CancelButton");
    CancelButton->setCancel(true);
    OkButton = named(new PushButton(w, 240, 410, 60, 20, QStringLiteral("実行")), "OkButton");
    OkButton->setDefault(true);
    for (Control* corner :
         {static_cast<Control*>(CancelButton.get()), static_cast<Control*>(OkButton.get())})
        corner->setAnchors(kAnchorRight | kAnchorBottom);
}

void VisCopyWindow::addDefaultExclusion() {
    ExcludeList->addRow({QStringLiteral(".DS_Store"), modeTexts().at(0), QStringLiteral("0")});
}
