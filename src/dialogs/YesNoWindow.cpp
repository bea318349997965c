#include "dialogs/YesNoWindow.h"

#include "dialogs/DialogParts.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"

using DialogParts::named;

YesNoWindow::YesNoWindow()
{
    setTitle(QStringLiteral("ファイルオープンの実行確認"));
    setSize(340, 175);
    setBackColor(rgb(0xFFEEDB));
    StaticText2 = named<StaticText>(QStringLiteral("StaticText2"), *this, 20, 10, 150, 20,
                                    QStringLiteral("ファイル／フォルダ名:"));
    Rectangle1 = named<RectangleShape>(QStringLiteral("Rectangle1"), *this, 20, 35, 300, 60);
    Rectangle1->setFillColor(Qt::white);
    Rectangle1->setBorderColor(Qt::black);
    MsgText = named<StaticText>(QStringLiteral("MsgText"), *this, 25, 40, 290, 50,
                                QStringLiteral("ラベル:"), Rectangle1.get());
    MsgText->setMultiLine(true);
    InquiryText = named<StaticText>(QStringLiteral("InquiryText"), *this, 20, 105, 300, 20,
                                    QStringLiteral("上のファイルを開きます。よろしいですか。"));
    CancelButton = named<PushButton>(QStringLiteral("CancelButton"), *this, 100, 135, 69, 20,
                                     QStringLiteral("中止"));
    OkButton = named<PushButton>(QStringLiteral("OkButton"), *this, 200, 135, 69, 20,
                                 QStringLiteral("はい"));
    DialogParts::useTextSize(*this);
    DialogParts::connectConfirmButtons(*this, *OkButton, *CancelButton);
}

YesNoWindow::~YesNoWindow() = default;
