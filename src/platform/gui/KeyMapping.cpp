#include "platform/gui/KeyMapping.h"

#include "platform/gui/GuiTypes.h"

#include <Qt>

int macModifiers(int qtModifiers)
{
    int bits = 0;
    if (qtModifiers & Qt::ControlModifier)
        bits |= kCommandKey;
    if (qtModifiers & Qt::ShiftModifier)
        bits |= kShiftKey;
    if (qtModifiers & Qt::AltModifier)
        bits |= kOptionKey;
    if (qtModifiers & Qt::MetaModifier)
        bits |= kControlKey;
    return bits;
}

QString macKeyText(int qtKey, int qtModifiers, const QString& text)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return QString(QChar(8));
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Enter:
        return QString(QChar(3));
    case Qt::Key_Escape:
        return QString(QChar(27));
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Left:
        return QString(QChar(28));
    case Qt::Key_Right:
        return QString(QChar(29));
    case Qt::Key_Up:
        return QString(QChar(30));
    case Qt::Key_Down:
        return QString(QChar(31));
    default:
        break;
    }
    // Option+A gives "å" on a Mac layout; Linux layouts give "a" with Alt.
    if (qtKey == Qt::Key_A && (qtModifiers & Qt::AltModifier))
        return QString(QChar(0x00E5));
    // With Ctrl the text is a control character; the program wants the letter.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z && (qtModifiers & Qt::ControlModifier))
        return QString(QChar('a' + (qtKey - Qt::Key_A)));
    if (!text.isEmpty() && text.at(0).isPrint())
        return text;
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde)
        return QString(QChar(qtKey)).toLower();
    return {};
}
