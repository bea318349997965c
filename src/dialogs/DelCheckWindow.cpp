#include "dialogs/DelCheckWindow.h"

#include "dialogs/DialogParts.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

using DialogParts::named;

DelCheckWindow::DelCheckWindow()
{
    setTitle(QStringLiteral("ゴミ箱への移動の確認"));
    setSize(320, 250);
    setBackColor(rgb(0xFFD9B0));
    StaticText2 = named<StaticText>(QStringLiteral("StaticText2"), *this, 20, 10, 150, 20,
                                    QStringLiteral("ファイル／フォルダ名:"));
    Contents = named<TextField>(QStringLiteral("Contents"), *this, 20, 32, 280, 120, true);
    Contents->setBackColor(Qt::white);
    Contents->setScrollBar(true);
    // The list is only shown: read-only, so that Return reaches the default button.
    Contents->setReadOnly(true);
    InquiryText = named<StaticText>(QStringLiteral("InquiryText"), *this, 20, 164, 280, 34,
                                    QStringLiteral("上記のものをゴミ箱へ移動します。本当によろしいですか。"));
    InquiryText->setMultiLine(true);
    CancelButton = named<PushButton>(QStringLiteral("CancelButton"), *this, 116, 210, 69, 20,
                                     QStringLiteral("中止"));
    OkButton = named<PushButton>(QStringLiteral("OkButton"), *this, 205, 210, 69, 20,
                                 QStringLiteral("実行"));
    DialogParts::useTextSize(*this);
    DialogParts::connectConfirmButtons(*this, *OkButton, *CancelButton);
}

DelCheckWindow::~DelCheckWindow() = default;
