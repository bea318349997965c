#include "dialogs/NameCheckWindow.h"

#include "dialogs/DialogParts.h"
#include "dialogs/answers.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"

using DialogParts::named;

NameCheckWindow::NameCheckWindow()
{
    setTitle(QStringLiteral("同名チェック"));
    setSize(450, 160);
    setBackColor(rgb(0xE6E6E6));
    StaticText2 = named<StaticText>(QStringLiteral("StaticText2"), *this, 20, 10, 150, 16,
                                    QStringLiteral("ファイル／フォルダ名:"));
    Rectangle1 = named<RectangleShape>(QStringLiteral("Rectangle1"), *this, 20, 32, 410, 40);
    Rectangle1->setFillColor(Qt::white);
    Rectangle1->setBorderColor(Qt::black);
    MsgText = named<StaticText>(QStringLiteral("MsgText"), *this, 25, 37, 400, 30,
                                QStringLiteral("ラベル:"), Rectangle1.get());
    MsgText->setMultiLine(true);
    InquiryText = named<StaticText>(
        QStringLiteral("InquiryText"), *this, 25, 83, 400, 37,
        QStringLiteral("保存先に上記名称と同名の項目が存在します。置き換えるか、元の名前に接尾辞を"
                       "付けた名前に変えて処理するかを選択してください。"));
    InquiryText->setMultiLine(true);
    ApplyAll = named<CheckBox>(QStringLiteral("ApplyAll"), *this, 22, 125, 100, 20,
                               QStringLiteral("すべてに適用"));
    CancelButton = named<PushButton>(QStringLiteral("CancelButton"), *this, 127, 125, 69, 20,
                                     QStringLiteral("中止"));
    AddNewButton = named<PushButton>(QStringLiteral("AddNewButton"), *this, 208, 125, 130, 20,
                                     QStringLiteral("接尾辞を付けて保存"));
    ReplaceButton = named<PushButton>(QStringLiteral("ReplaceButton"), *this, 350, 125, 80, 20,
                                      QStringLiteral("置き換える"));
    DialogParts::useTextSize(*this);
    CancelButton->setCancel(true);
    CancelButton->onAction = [this] { CancelButton_Action(); };
    AddNewButton->onAction = [this] { AddNewButton_Action(); };
    ReplaceButton->onAction = [this] { ReplaceButton_Action(); };
}

NameCheckWindow::~NameCheckWindow() = default;

void NameCheckWindow::CancelButton_Action()
{
    answer(0, -1);
}

void NameCheckWindow::AddNewButton_Action()
{
    answer(1, 1);
}

void NameCheckWindow::ReplaceButton_Action()
{
    answer(2, 2);
}

void NameCheckWindow::answer(int choice, int forAll)
{
    globals::retVal = choice;
    globals::afterAll = ApplyAll->value() ? forAll : 0;
    close();
}
