#include "finderinfo/InputWindow.h"

#include "dialogs/answers.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

namespace {

template <typename T>
std::unique_ptr<T> named(T* control, const char* name)
{
    control->setName(QString::fromLatin1(name));
    control->setTextSize(12);
    return std::unique_ptr<T>(control);
}

} // namespace

InputWindow::InputWindow() : ModalWindow(Style::Movable)
{
    setTitle(QStringLiteral("File/Folder名称変更"));
    setSize(405, 220);
    setBackColor(rgb(0xFFFFCC));
    createControls();
    newName->onKeyDown = [this](const QString& key, int) { return newName_KeyDown(key); };
    OkButton->onAction = [this] { OkButton_Action(); };
    CancelButton->onAction = [this] { CancelButton_Action(); };
}

InputWindow::~InputWindow() = default;

void InputWindow::createControls()
{
    WindowBase& w = *this;
    SText[0] = named(new StaticText(w, 20, 67, 50, 20, QStringLiteral("変更前：")), "SText");
    SText[1] = named(new StaticText(w, 20, 119, 50, 20, QStringLiteral("変更後：")), "SText");
    oldName = named(new TextField(w, 82, 66, 300, 40), "oldName");
    oldName->setEnabled(false);
    oldName->setBackColor(Qt::white);
    newName = named(new TextField(w, 82, 118, 300, 40), "newName");
    newName->setBackColor(Qt::white);
    Instruction = named(new StaticText(w, 82, 26, 250, 20,
                                       QStringLiteral("変更希望の名称を入力して下さい。")),
                        "Instruction");
    Caution = named(new StaticText(w, 82, 19, 300, 34,
                                   QStringLiteral("この名称はシステムで準備されたもののようです。"
                                                  "変更しない方がよいと思われます。")),
                    "Caution");
    Caution->setMultiLine(true);
    Caution->setVisible(false);
    CancelButton = named(new PushButton(w, 186, 174, 69, 20, QStringLiteral("中止")), "CancelButton");
    CancelButton->setCancel(true);
    OkButton = named(new PushButton(w, 280, 174, 69, 20, QStringLiteral("変更")), "OkButton");
    OkButton->setDefault(true);
}

// Return accepts the dialog so that the name never receives a line break.
bool InputWindow::newName_KeyDown(const QString& key)
{
    if (key != QLatin1String("\r"))
        return false;
    OkButton->push();
    return true;
}

void InputWindow::OkButton_Action()
{
    globals::newFilename = newName->text();
    globals::retOk = true;
    close();
}

void InputWindow::CancelButton_Action()
{
    globals::retOk = false;
    close();
}
