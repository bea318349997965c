#include "dialogs/CopyCheckWindow.h"

#include "dialogs/DialogParts.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

using DialogParts::named;

namespace {

// The fields only show what the caller wrote; read-only, so that Return reaches the
// default button instead of breaking a line.
std::unique_ptr<TextField> shownField(CopyCheckWindow& window, const QString& name, int top,
                                      int height)
{
    auto field = named<TextField>(name, window, 20, top, 280, height, true);
    field->setBackColor(Qt::white);
    field->setReadOnly(true);
    return field;
}

} // namespace

CopyCheckWindow::CopyCheckWindow()
{
    setTitle(QStringLiteral("コピー"));
    setSize(321, 370);
    setBackColor(rgb(0xFFD9B0));
    Label[0] = named<StaticText>(QStringLiteral("Label(0)"), *this, 20, 14, 270, 20,
                                 QStringLiteral("保存先：（エイリアス）"));
    DestinationA = shownField(*this, QStringLiteral("DestinationA"), 31, 50);
    Label[1] = named<StaticText>(QStringLiteral("Label(1)"), *this, 20, 90, 270, 20,
                                 QStringLiteral("真の保存先：（オリジナル）"));
    Destination = shownField(*this, QStringLiteral("Destination"), 109, 50);
    InquiryText = named<StaticText>(
        QStringLiteral("InquiryText"), *this, 20, 169, 280, 32,
        QStringLiteral("上記のフォルダに下記の項目をコピーします。本当によろしいですか。"));
    InquiryText->setMultiLine(true);
    Contents = shownField(*this, QStringLiteral("Contents"), 207, 110);
    Contents->setScrollBar(true);
    CancelButton = named<PushButton>(QStringLiteral("CancelButton"), *this, 116, 330, 69, 20,
                                     QStringLiteral("中止"));
    OkButton = named<PushButton>(QStringLiteral("OkButton"), *this, 205, 330, 69, 20,
                                 QStringLiteral("実行"));
    DialogParts::useTextSize(*this);
    DialogParts::connectConfirmButtons(*this, *OkButton, *CancelButton);
}

CopyCheckWindow::~CopyCheckWindow() = default;
