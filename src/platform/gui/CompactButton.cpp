#include "platform/gui/CompactButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

CompactButton::CompactButton(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
}

void CompactButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButtonBevel, option);

    const QStringList lines = caption.split(QLatin1Char('\n'));
    const QFontMetrics fm(font());
    const QRect area = rect().adjusted(1, 0, -1, 0);
    // Lines share the height evenly when the font's own spacing would not fit.
    const int step = std::min(fm.height(), area.height() / int(std::max<qsizetype>(1, lines.size())));
    int y = area.top() + (area.height() - step * int(lines.size())) / 2;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::ButtonText));
    for (const QString& line : lines) {
        const QRect band(area.left(), y, area.width(), step);
        p.drawText(band, Qt::AlignCenter | Qt::TextDontClip, line);
        y += step;
    }
}
