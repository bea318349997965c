#include "finderinfo/TypeChangeWindow.h"

#include "platform/gui/Canvas.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

#include <QPainter>

namespace {

template <typename T>
std::unique_ptr<T> named(T* control, const char* name, int textSize = 12)
{
    control->setName(QString::fromLatin1(name));
    control->setTextSize(textSize);
    return std::unique_ptr<T>(control);
}

std::unique_ptr<StaticText> centred(StaticText* text, const char* name, int textSize = 12)
{
    text->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return named(text, name, textSize);
}

// The arrow head from the picture resource, its white made transparent by drawing it
// through itself as the mask, on a shaft that spans the canvas.
QPixmap arrowPicture(int width, int height, bool up)
{
    const int id = up ? Pictures::kUpArrow : Pictures::kDownArrow;
    const QPixmap head = Pictures::compose(Pictures::get(id), Pictures::get(id));
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const int x = width / 2;
    const int headTop = up ? 0 : std::max(0, height - head.height());
    p.setPen(QPen(Qt::black, 2));
    if (up)
        p.drawLine(x, head.height() / 2, x, height);
    else
        p.drawLine(x, 0, x, headTop + head.height() / 2);
    p.drawPixmap(x - head.width() / 2, headTop, head);
    return picture;
}

std::unique_ptr<Canvas> arrowCanvas(WindowBase& w, int left, int top, int width, int height,
                                    bool up, const char* name)
{
    auto canvas = named(new Canvas(w, left, top, width, height), name);
    canvas->setBackdrop(arrowPicture(width, height, up));
    return canvas;
}

std::unique_ptr<RectangleShape> whiteRect(WindowBase& w, int left, int top, int width,
                                          int height, const char* name)
{
    auto rect = named(new RectangleShape(w, left, top, width, height), name);
    rect->setFillColor(Qt::white);
    return rect;
}

} // namespace

void TypeChangeWindow::createControls()
{
    setTitle(QStringLiteral("クリエータ／タイプの変更"));
    setSize(380, 300);
    setBackColor(Qt::white);
    createSourceControls();
    createDestinationControls();
    createButtons();
}

void TypeChangeWindow::createSourceControls()
{
    WindowBase& w = *this;
    LabelText[0] = centred(new StaticText(w, 32, 24, 80, 20, QStringLiteral("クリエータ")), "LabelText");
    LabelText[1] = centred(new StaticText(w, 266, 24, 80, 20, QStringLiteral("タイプ")), "LabelText");
    LabelText[2] = centred(new StaticText(w, 165, 18, 50, 20, QStringLiteral("(選択数)")), "LabelText");
    numOfDeal = centred(new StaticText(w, 175, 39, 30, 20, QStringLiteral("0")), "numOfDeal");
    BackRect[0] = whiteRect(w, 32, 54, 80, 32, "BackRect");
    BackRect[1] = whiteRect(w, 267, 54, 80, 32, "BackRect");
    SrcCr = centred(new StaticText(w, 42, 62, 60, 20, QStringLiteral("ラベル:")), "SrcCr");
    SrcTy = centred(new StaticText(w, 277, 62, 60, 20, QStringLiteral("ラベル:")), "SrcTy");
    SrcPop = named(new PopupMenu(w, 121, 60, 135, 20), "SrcPop");
    DownCanvas[0] = arrowCanvas(w, 62, 87, 24, 60, false, "DownCanvas");
    DownCanvas[1] = arrowCanvas(w, 296, 87, 24, 60, false, "DownCanvas");
    warningText[0] = centred(new StaticText(w, 106, 90, 172, 22,
                                            QStringLiteral("選択項目にフォルダが含まれていました。\r"
                                                           "フォルダは変更対象から除きます。")),
                             "warningText", 9);
    warningText[1] = centred(new StaticText(w, 94, 114, 195, 22,
                                            QStringLiteral("選択項目にシステム予約項目が含まれています。\r"
                                                           "変更は危険ですので十分注意してください。")),
                             "warningText", 9);
    for (auto& warning : warningText)
        warning->setVisible(false);
}

void TypeChangeWindow::createDestinationControls()
{
    WindowBase& w = *this;
    DestRect = whiteRect(w, 20, 137, 340, 50, "DestRect");
    DestRect->setHelpTag(QStringLiteral(
        "ここへファイルをドロップするとCreatorとTypeの両方の値をファイルから読み出します。"));
    DstCr = named(new TextField(w, 32, 151, 80, 22, false, DestRect.get()), "DstCr");
    DstCr->setHelpTag(
        QStringLiteral("ここへファイルをドロップするとCreatorの値をファイルから読み出します。"));
    DstTy = named(new TextField(w, 267, 151, 80, 22, false, DestRect.get()), "DstTy");
    DstTy->setHelpTag(
        QStringLiteral("ここへファイルをドロップするとTypeの値をファイルから読み出します。"));
    for (TextField* field : {DstCr.get(), DstTy.get()}) {
        field->setBackColor(Qt::white);
        field->setAlignment(Qt::AlignHCenter);
    }
    // The fields lie inside the rectangle; a drop on a field is the field's own.
    for (Control* target : {static_cast<Control*>(DestRect.get()), static_cast<Control*>(DstCr.get()),
                            static_cast<Control*>(DstTy.get())})
        target->setAcceptsFileDrops(true);
    const int upLefts[] = {183, 88, 276, 39, 328};
    for (size_t i = 0; i < UpCanvas.size(); ++i)
        UpCanvas[i] = arrowCanvas(w, upLefts[i], 175, 16, 36, true, "UpCanvas");
}

void TypeChangeWindow::createButtons()
{
    WindowBase& w = *this;
    const QString allZero = QStringLiteral("オール\rゼロ");
    const QString browse = QStringLiteral("参照");
    ZeroCr = named(new PushButton(w, 20, 209, 50, 32, allZero), "ZeroCr", 9);
    RefCr = named(new PushButton(w, 75, 209, 40, 16, browse), "RefCr", 10);
    RefBoth = named(new PushButton(w, 170, 209, 40, 16, browse), "RefBoth", 10);
    RefTy = named(new PushButton(w, 264, 209, 40, 16, browse), "RefTy", 10);
    ZeroTy = named(new PushButton(w, 309, 209, 50, 32, allZero), "ZeroTy", 9);
    CancelButton = named(new PushButton(w, 198, 260, 80, 20, QStringLiteral("キャンセル")), "CancelButton");
    CancelButton->setCancel(true);
    OkButton = named(new PushButton(w, 290, 260, 69, 20, QStringLiteral("実行")), "OkButton");
    OkButton->setDefault(true);
}
