#include "platform/gui/MessageBox.h"

#include "platform/gui/GuiTypes.h"
#include "platform/gui/ModalWindow.h"
#include "platform/gui/Services.h"
#include "platform/gui/Window.h"

#include <QApplication>
#include <QMessageBox>

namespace MessageBox {

namespace {

Answer scripted(ModalResponder& responder, Kind kind, const QString& text, const QString& title)
{
    responder.records.push_back({ModalRecord::Kind::Message, title, {text}});
    const std::optional<QString> answer = responder.next();
    if (kind == Kind::Note)
        return Answer::Ok;
    return answer && answer->compare(QLatin1String("OK"), Qt::CaseInsensitive) == 0
               ? Answer::Ok
               : Answer::Cancel;
}

// A box with OK alone tells something and shows no icon.
QMessageBox::Icon iconFor(Kind kind)
{
    switch (kind) {
    case Kind::Caution:
        return QMessageBox::Warning;
    case Kind::Question:
        return QMessageBox::Question;
    case Kind::Note:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer show(Kind kind, const QString& text, const QString& title)
{
    if (ModalResponder* responder = Services::instance().modalResponder()) {
        Window* owner = Window::lastActive();
        const Answer answer = scripted(*responder, kind, text, title);
        ModalWindow::reactivate(owner);
        return answer;
    }
    Window* owner = Window::lastActive();
    QMessageBox box(iconFor(kind), title.isEmpty() ? QApplication::applicationName() : title,
                    withLineBreaks(text),
                    kind == Kind::Note ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
                    owner ? owner->topWidget() : nullptr);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(kind == Kind::Note ? QMessageBox::Ok : QMessageBox::Cancel);
    const Answer answer = box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    ModalWindow::reactivate(owner);
    return answer;
}

} // namespace MessageBox
