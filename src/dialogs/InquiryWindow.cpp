#include "dialogs/InquiryWindow.h"

#include "dialogs/DialogParts.h"
#include "dialogs/answers.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"

using DialogParts::named;

InquiryWindow::InquiryWindow() : ModalWindow(Style::Sheet)
{
    setSize(280, 85);
    setBackColor(Qt::white);
    InquiryText = named<StaticText>(QStringLiteral("InquiryText"), *this, 20, 14, 240, 20,
                                    QStringLiteral("プログラムを終了します。よろしいですか。"));
    CancelButton = named<PushButton>(QStringLiteral("CancelButton"), *this, 80, 45, 70, 20,
                                     QStringLiteral("いいえ"));
    OkButton = named<PushButton>(QStringLiteral("OkButton"), *this, 175, 45, 70, 20,
                                 QStringLiteral("はい"));
    DialogParts::useTextSize(*this);
    DialogParts::connectConfirmButtons(*this, *OkButton, *CancelButton);
}

InquiryWindow::~InquiryWindow() = default;

bool InquiryWindow::ask(const QString& question)
{
    InquiryWindow window;
    window.InquiryText->setText(question);
    window.showModal();
    return globals::retOk;
}
