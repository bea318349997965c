#include "mainwindow/Window1.h"

#include "mainwindow/HelpTags.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ContextualMenu.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/LittleArrows.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "platform/gui/Timer.h"

namespace {

constexpr unsigned kBottomLeft = kAnchorLeft | kAnchorBottom;
constexpr unsigned kBottomRight = kAnchorRight | kAnchorBottom;
constexpr unsigned kTopRight = kAnchorRight | kAnchorTop;

template <typename T>
T* named(T* control, const char* name, int textSize = 0, unsigned anchors = kAnchorTopLeft)
{
    control->setName(QString::fromLatin1(name));
    if (textSize)
        control->setTextSize(textSize);
    control->setAnchors(anchors);
    return control;
}

} // namespace

// The controls in their designed order and places in the 620 x 450 window. On resize
// the list grows, the bottom rows keep their distance to the bottom edge and the
// controls at the right keep theirs to the right edge.
void Window1::createControls()
{
    Window& w = *this;
    BaseDropBox.reset(named(new RectangleShape(w, 60, 5, 405, 30), "BaseDropBox"));
    BaseDropBox->setFillColor(rgb(0xCCCCCC));
    NumText.reset(named(new StaticText(w, 414, 15, 50, 16, QStringLiteral("00000項目"),
                                       BaseDropBox.get()), "NumText", 9));
    RoundRectangle1.reset(named(new RoundRectangle(w, 469, 5, 64, 30), "RoundRectangle1", 0,
                                kTopRight));
    RoundRectangle1->setFillColor(rgb(0xCCCCCC));
    RoundRectangle1->setCornerSize(8, 8);
    PathPop2.reset(named(new PopupMenu(w, 222, 17, 190, 20), "PathPop2", 12));
    PathPop2->setVisible(false);

    FileListBox = new ListBox;
    FileListBoxControl.reset(named(new EmbeddedControl(w, FileListBox, 10, 40, 600, 340),
                                   "FileListBox", 0, kAnchorAll));
    FileListBox->setTextSize(12);
    FileListBox->setRowHeight(18);
    FileListBox->setAlternateRows(true);
    FileListBoxControl->setEnabled(false);

    CloakswitchButton.reset(named(new PushButton(w, 10, 387, 50, 23, QStringLiteral("可視／\r不可視")),
                                  "CloakswitchButton", 9, kBottomLeft));
    TypeChangeButton.reset(named(new PushButton(w, 66, 387, 50, 23, QStringLiteral("タイプ\r変更")),
                                 "TypeChangeButton", 9, kBottomLeft));
    InvisDupButton.reset(named(new PushButton(w, 365, 387, 42, 23, QStringLiteral("複製")),
                               "InvisDupButton", 9, kBottomLeft));
    InvisCopyButton.reset(named(new PushButton(w, 414, 387, 50, 23, QStringLiteral("コピー")),
                                "InvisCopyButton", 9, kBottomRight));
    InvisMoveButton.reset(named(new PushButton(w, 471, 387, 40, 23, QStringLiteral("移動")),
                                "InvisMoveButton", 9, kBottomRight));
    CopyCheckBox.reset(named(new CheckBox(w, 195, 388, 48, 20, QStringLiteral("書込み\rOn/Off")),
                             "CopyCheckBox", 8, kBottomLeft));
    NameChangeButton.reset(named(new PushButton(w, 318, 387, 40, 23, QStringLiteral("名称\r変更")),
                                 "NameChangeButton", 9, kBottomLeft));
    NewFolderButton.reset(named(new PushButton(w, 251, 387, 60, 23, QStringLiteral("新規\rフォルダ")),
                                "NewFolderButton", 9, kBottomLeft));
    for (PushButton* b : {CloakswitchButton.get(), TypeChangeButton.get(), InvisDupButton.get(),
                          InvisCopyButton.get(), InvisMoveButton.get(), NameChangeButton.get(),
                          NewFolderButton.get()})
        b->setEnabled(false);

    PathPop.reset(named(new PopupMenu(w, 222, 9, 190, 20, BaseDropBox.get()), "PathPop", 12));
    VolPop.reset(named(new PopupMenu(w, 64, 9, 155, 20, BaseDropBox.get()), "VolPop", 12));
    BackButton.reset(named(new PictButtonClass(w, 11, 8, 24, 24), "BackButton"));
    ForwardButton.reset(named(new PictButtonClass(w, 34, 8, 24, 24), "ForwardButton"));
    TrashButton.reset(named(new PictButtonClass(w, 578, 382, 32, 32), "TrashButton", 0,
                            kBottomRight));
    JumpEntityButton.reset(named(new PushButton(w, 122, 387, 65, 23,
                                                QStringLiteral("オリジナル\rジャンプ")),
                                 "JumpEntityButton", 9, kBottomLeft));
    JumpEntityButton->setEnabled(false);
    Timer1 = std::make_unique<Timer>(Timer::Mode::Off, 10);
    ExternalDragCheckBox.reset(named(new CheckBox(w, 518, 388, 52, 20,
                                                  QStringLiteral("外部への\rドラッグ")),
                                     "ExternalDragCheckBox", 8, kBottomRight));
    ExternalDragCheckBox->setEnabled(false);
    FontSizeButton.reset(named(new PushButton(w, 539, 5, 50, 29, QStringLiteral("Font\rSize12")),
                               "FontSizeButton", 9, kTopRight));
    LittleArrows1.reset(named(new LittleArrows(w, 595, 8, 13, 26), "LittleArrows1", 0, kTopRight));
    Timer2 = std::make_unique<Timer>(Timer::Mode::Off, 100);
    DragCancelButton.reset(named(new BevelButton(w, 515, 419, 80, 23, QStringLiteral("ドラッグ中止")),
                                 "DragCancelButton", 10, kBottomRight));
    DragCancelButton->setEnabled(false);
    DragCanvas.reset(named(new Canvas(w, 311, -14, 100, 20), "DragCanvas"));
    DragCanvas->setVisible(false);
    Timer3 = std::make_unique<Timer>(Timer::Mode::Off, 10);
    Timer4 = std::make_unique<Timer>(Timer::Mode::Off, 100);

    SelectionGroup.reset(named(new RoundRectangle(w, 10, 419, 405, 24), "SelectionGroup", 0,
                               kBottomLeft));
    SelectionGroup->setFillColor(rgb(0xCCCCCC));
    SelectionGroup->setCornerSize(8, 8);
    RoundRectangle* group = SelectionGroup.get();
    DispInvises.reset(named(new CheckBox(w, 62, 425, 50, 14, QStringLiteral("不可視"), group),
                            "DispInvises", 10, kBottomLeft));
    DispInvises->setValue(true);
    DispDots.reset(named(new CheckBox(w, 114, 425, 80, 14, QStringLiteral("Dot開始項目"), group),
                         "DispDots", 10, kBottomLeft));
    ExpandAliases.reset(named(new CheckBox(w, 197, 425, 65, 14, QStringLiteral("Alias拡張"), group),
                              "ExpandAliases", 10, kBottomLeft));
    ExpandAliases->setValue(true);
    ContextualMenu1 = std::make_unique<ContextualMenu>();
    Timer5 = std::make_unique<Timer>(Timer::Mode::Repeating, 100);
    BaseCheckBox.reset(named(new CheckBox(w, 392, 11, 18, 18, {}, PathPop.get()), "BaseCheckBox", 12));
    BaseCheckBox->setVisible(false);
    BaseCheckBox->setEnabled(false);
    DestDispField.reset(named(new TextField(w, 10, 385, 568, 26), "DestDispField", 12,
                              kAnchorLeft | kAnchorRight | kAnchorBottom));
    DestDispField->setBackColor(Qt::white);
    DestDispField->setVisible(false);
    WithReport.reset(named(new CheckBox(w, 345, 425, 63, 14, QStringLiteral("処理確認"), group),
                           "WithReport", 10, kBottomLeft));
    WithReport->setValue(true);
    DispVisibles.reset(named(new CheckBox(w, 17, 425, 40, 14, QStringLiteral("可視"), group),
                             "DispVisibles", 10, kBottomLeft));
    DispVisibles->setValue(true);
    HistoryPop.reset(named(new PopupMenu(w, 512, 9, 20, 20, RoundRectangle1.get()), "HistoryPop",
                           12, kTopRight));
    StaticText1.reset(named(new StaticText(w, 472, 10, 38, 20, QStringLiteral("最近使用\rフォルダ"),
                                           RoundRectangle1.get()), "StaticText1", 9, kTopRight));
    Timer6 = std::make_unique<Timer>(Timer::Mode::Once, 100);
    TypeChangeCheck.reset(named(new CheckBox(w, 267, 425, 75, 14, QStringLiteral("タイプ変更"), group),
                                "TypeChangeCheck", 10, kBottomLeft));
    Timer7 = std::make_unique<Timer>(Timer::Mode::Off, 10);
    TempListBox = new ListBox;
    TempListBoxControl.reset(named(new EmbeddedControl(w, TempListBox, 65, 30, 150, 30),
                                   "TempListBox", 12));
    TempListBoxControl->setVisible(false);
    HelpButton.reset(named(new PushButton(w, 423, 419, 40, 23, QStringLiteral("操作\r説明")),
                           "HelpButton", 9, kBottomRight));
    PrefsButton.reset(named(new PushButton(w, 469, 419, 40, 23, QStringLiteral("環境\r設定")),
                            "PrefsButton", 9, kBottomRight));

    installButtonPictures();
    for (const HelpTag& tag : mainWindowHelpTags())
        if (Control* c = findControl(QString::fromLatin1(tag.control)))
            c->setHelpTag(tag.text);
}

// The back and forward buttons show their pictures from the start (the trash button
// makes its own when it opens).
void Window1::installButtonPictures()
{
    backArrow = Pictures::get(Pictures::kIcBack);
    backArrowDim = Pictures::get(Pictures::kIcBackDim);
    forwardArrow = Pictures::get(Pictures::kIcNext);
    forwardArrowDim = Pictures::get(Pictures::kIcNextDim);
    const std::tuple<PictButtonClass*, const QPixmap*, const QPixmap*> buttons[] = {
        {BackButton.get(), &backArrow, &backArrowDim},
        {ForwardButton.get(), &forwardArrow, &forwardArrowDim}};
    for (const auto& [button, active, dim] : buttons) {
        button->activePict = *active;
        button->inactivePict = *dim;
        button->Paint();
    }
}
