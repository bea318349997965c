#include "dialogs/AboutWindow.h"

#include "dialogs/DialogParts.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"

#include <QUrl>

#ifndef CLOAKSWITCH_VERSION
#error "The build passes the project's version as CLOAKSWITCH_VERSION."
#endif
#ifndef CLOAKSWITCH_README
#error "The build passes the installed README's path as CLOAKSWITCH_README."
#endif

using DialogParts::named;

const QString AboutWindow::kSupportPage =
    QUrl::fromLocalFile(QStringLiteral(CLOAKSWITCH_README)).toString();

namespace {

constexpr int kIconSize = 128;

struct LabelDesign {
    int left, top, width, height, textSize;
    const char16_t* text;
};

// LabelText(0) to LabelText(5); no text: not made.
constexpr LabelDesign kLabels[] = {
    {178, 49, 114, 24, 18, u"Cloakswitch"},
    {306, 53, 49, 17, 12, u"Version"},
    {178, 85, 233, 26, 12, u"不可視ファイルの属性変更ユーティリティ"},
    {65, 163, 100, 20, 12, u"サポートページ："},
    {65, 191, 100, 20, 12, nullptr},
    {178, 123, 302, 19, 10, u"本ソフトウェアは無保証です。ご利用は自己責任でお願いします。"},
};

} // namespace

AboutWindow::AboutWindow()
{
    setTitle(QStringLiteral("名称未設定"));
    setSize(500, 270);
    setBackColor(rgb(0xECECEC));
    Canvas1 = named<Canvas>(QStringLiteral("Canvas1"), *this, 25, 14, kIconSize, kIconSize);
    // Made before the texts so that the link captions lie above its white fill.
    Rectangle1 = named<RectangleShape>(QStringLiteral("Rectangle1"), *this, 25, 154, 455, 60);
    Rectangle1->setFillColor(Qt::white);
    Rectangle1->setBorderColor(Qt::black);
    createLabels();
    createLinks();
    PushButton1 = named<PushButton>(QStringLiteral("PushButton1"), *this, 402, 230, 69, 20,
                                    QStringLiteral("閉じる"));
    PushButton1->setTextSize(12);
    // Escape closes a window that only shows information, as it does everywhere else.
    PushButton1->setCancel(true);
    PushButton1->onAction = [this] { PushButton1_Action(); };
    Canvas1_Open();
    VersionText_Open();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::createLabels()
{
    for (size_t i = 0; i < LabelText.size(); ++i) {
        const LabelDesign& d = kLabels[i];
        if (!d.text)
            continue;
        LabelText[i] = named<StaticText>(QStringLiteral("LabelText(%1)").arg(i), *this, d.left,
                                         d.top, d.width, d.height, QString::fromUtf16(d.text));
        LabelText[i]->setTextSize(d.textSize);
    }
    VersionText = named<StaticText>(QStringLiteral("VersionText"), *this, 362, 53, 49, 17,
                                    QStringLiteral("0.0.0"));
    VersionText->setTextSize(12);
}

void AboutWindow::createLinks()
{
    // A file address is longer than the web address the row was drawn for: the link
    // takes the frame's width.
    URLText = named<StaticText>(QStringLiteral("URLText"), *this, 178, 163, 298, 20, kSupportPage);
    URLText->setTextSize(12);
    URLText->setTextColor(rgb(0x0000FF));
    URLText->setUnderline(true);
    // The tag's second line sent questions to the mail address, which is gone.
    URLText->setHelpTag(QStringLiteral("サポートページ（作者よりの連絡とQ&A）へ進む"));
    URLText->onMouseEnter = [this] { URLText_MouseEnter(); };
    URLText->onMouseDown = [this](int, int) { return URLText_MouseDown(); };
}

void AboutWindow::Canvas1_Open()
{
    QPixmap icon = Pictures::programIcon().pixmap(kIconSize, kIconSize);
    // An icon theme may only have small sizes; the canvas shows the icon at its full size.
    if (icon.width() < kIconSize)
        icon = icon.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Canvas1->setBackdrop(icon);
}

void AboutWindow::VersionText_Open()
{
    VersionText->setText(QStringLiteral(CLOAKSWITCH_VERSION));
}

void AboutWindow::URLText_MouseEnter()
{
    URLText->setCursor(Pictures::cursor(Pictures::kFingerCursor));
}

bool AboutWindow::URLText_MouseDown()
{
    Services::instance().launch(QUrl(URLText->text()));
    return false;
}

void AboutWindow::PushButton1_Action()
{
    close();
}
