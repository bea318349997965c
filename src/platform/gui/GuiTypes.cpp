#include "platform/gui/GuiTypes.h"

QString withLineBreaks(const QString& text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}
