#include "dialogs/InquiryWindow.h"

#include "dialogs/answers.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"

InquiryWindow::InquiryWindow() : ModalWindow(Style::Sheet)
{
    setSize(280, 85);
    setBackColor(Qt::white);
    InquiryText = std::make_unique<StaticText>(
        *this, 20, 14, 240, 20, QStringLiteral("プログラムを終了します。よろしいですか。"));
    CancelButton = std::make_unique<PushButton>(*this, 80, 45, 70, 20, QStringLiteral("いいえ"));
    OkButton = std::make_unique<PushButton>(*this, 175, 45, 70, 20, QStringLiteral("はい"));
    InquiryText->setName(QStringLiteral("InquiryText"));
    CancelButton->setName(QStringLiteral("CancelButton"));
    OkButton->setName(QStringLiteral("OkButton"));
    for (Control* c : {static_cast<Control*>(InquiryText.get()), static_cast<Control*>(CancelButton.get()),
                       static_cast<Control*>(OkButton.get())})
        c->setTextSize(12);
    CancelButton->setCancel(true);
    OkButton->setDefault(true);
    CancelButton->onAction = [this] {
        globals::retOk = false;
        close();
    };
    OkButton->onAction = [this] {
        globals::retOk = true;
        close();
    };
}

InquiryWindow::~InquiryWindow() = default;

bool InquiryWindow::ask(const QString& question)
{
    InquiryWindow window;
    window.InquiryText->setText(question);
    window.showModal();
    return globals::retOk;
}
