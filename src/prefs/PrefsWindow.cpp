#include "prefs/PrefsWindow.h"

#include "platform/gui/CheckBox.h"
#include "platform/gui/PushButton.h"
#include "prefs/PrefsCore.h"

PrefsWindow::PrefsWindow() : ModalWindow(Style::Movable)
{
    setTitle(QStringLiteral("環境設定"));
    setSize(300, 200);
    setBackColor(Qt::white);
    customOpenRadio[0] = std::make_unique<RadioButton>(*this, 68, 52, 164, 20,
                                                       QStringLiteral("常にデフォルトで起動"));
    customOpenRadio[1] = std::make_unique<RadioButton>(*this, 68, 91, 164, 20,
                                                       QStringLiteral("前回の状態で起動"));
    CancelButton = std::make_unique<PushButton>(*this, 88, 160, 90, 20, QStringLiteral("キャンセル"));
    OkButton = std::make_unique<PushButton>(*this, 190, 160, 90, 20, QStringLiteral("保存"));
    customOpenRadio[0]->setName(QStringLiteral("customOpenRadio0"));
    customOpenRadio[1]->setName(QStringLiteral("customOpenRadio1"));
    CancelButton->setName(QStringLiteral("CancelButton"));
    OkButton->setName(QStringLiteral("OkButton"));
    CancelButton->setCancel(true);
    OkButton->setDefault(true);
    CancelButton->onAction = [this] { CancelButton_Action(); };
    OkButton->onAction = [this] { OkButton_Action(); };
}

PrefsWindow::~PrefsWindow() = default;

void PrefsWindow::run()
{
    Activate();
    showModal();
}

void PrefsWindow::Activate()
{
    const bool custom = globals::Prefs.customOpen;
    customOpenRadio[1]->setValue(custom);
    customOpenRadio[0]->setValue(!custom);
}

void PrefsWindow::OkButton_Action()
{
    globals::Prefs.customOpen = customOpenRadio[1]->value();
    close();
}

void PrefsWindow::CancelButton_Action()
{
    close();
}
