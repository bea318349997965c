#include "platform/gui/PictureArt.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace PictureArt {

namespace {

QPixmap blank(int w, int h)
{
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    return p;
}

void outline(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
}

} // namespace

QPixmap folder(int s)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    outline(p);
    const qreal u = s / 16.0;
    p.setBrush(QColor(0x8E, 0xB4, 0xE3));
    p.drawRoundedRect(QRectF(1 * u, 2.5 * u, 6 * u, 3 * u), u, u);
    p.setBrush(QColor(0xA8, 0xC8, 0xF0));
    p.drawRoundedRect(QRectF(0.5 * u, 4 * u, 15 * u, 10.5 * u), u, u);
    return pm;
}

QPixmap document(int s)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    outline(p);
    const qreal u = s / 16.0;
    QPainterPath page;
    page.moveTo(3 * u, 0.5 * u);
    page.lineTo(10 * u, 0.5 * u);
    page.lineTo(13.5 * u, 4 * u);
    page.lineTo(13.5 * u, 15.5 * u);
    page.lineTo(3 * u, 15.5 * u);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(10 * u, 0.5 * u), QPointF(10 * u, 4 * u));
    p.drawLine(QPointF(10 * u, 4 * u), QPointF(13.5 * u, 4 * u));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(5 * u, (7 + 2 * i) * u), QPointF(11.5 * u, (7 + 2 * i) * u));
    return pm;
}

QPixmap application(int s)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    outline(p);
    const qreal u = s / 16.0;
    QPolygonF diamond({QPointF(8 * u, 0.5 * u), QPointF(15.5 * u, 8 * u),
                       QPointF(8 * u, 15.5 * u), QPointF(0.5 * u, 8 * u)});
    p.setBrush(QColor(0xB0, 0x9C, 0xE0));
    p.drawPolygon(diamond);
    p.setBrush(QColor(0xFF, 0xE0, 0x80));
    p.drawEllipse(QPointF(8 * u, 8 * u), 3 * u, 3 * u);
    return pm;
}

QPixmap volume(int s)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    outline(p);
    const qreal u = s / 16.0;
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRoundedRect(QRectF(0.5 * u, 4.5 * u, 15 * u, 7 * u), u, u);
    p.setBrush(QColor(0x40, 0xC0, 0x40));
    p.drawEllipse(QPointF(13 * u, 9 * u), u, u);
    return pm;
}

QPixmap trash(int s)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    outline(p);
    const qreal u = s / 16.0;
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    QPolygonF can({QPointF(3 * u, 4 * u), QPointF(13 * u, 4 * u), QPointF(12 * u, 15.5 * u),
                   QPointF(4 * u, 15.5 * u)});
    p.drawPolygon(can);
    p.drawRoundedRect(QRectF(1.5 * u, 2 * u, 13 * u, 2 * u), u / 2, u / 2);
    p.drawRect(QRectF(6 * u, 0.5 * u, 4 * u, 1.5 * u));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF((5.5 + 2.5 * i) * u, 6 * u), QPointF((5.5 + 2.5 * i) * u, 14 * u));
    return pm;
}

QPixmap arrow(int s, bool back)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    outline(p);
    const qreal u = s / 16.0;
    p.setBrush(QColor(0x50, 0x80, 0xD0));
    QPolygonF shape({QPointF(2 * u, 8 * u), QPointF(8 * u, 2 * u), QPointF(8 * u, 5.5 * u),
                     QPointF(14 * u, 5.5 * u), QPointF(14 * u, 10.5 * u), QPointF(8 * u, 10.5 * u),
                     QPointF(8 * u, 14 * u)});
    if (!back) {
        for (QPointF& pt : shape)
            pt.setX(s - pt.x());
    }
    p.drawPolygon(shape);
    return pm;
}

QPixmap smallArrow(int s, bool up)
{
    QPixmap pm = blank(s, s);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal u = s / 16.0;
    QPolygonF tri = up ? QPolygonF({QPointF(8 * u, 4 * u), QPointF(13 * u, 11 * u), QPointF(3 * u, 11 * u)})
                       : QPolygonF({QPointF(3 * u, 5 * u), QPointF(13 * u, 5 * u), QPointF(8 * u, 12 * u)});
    p.drawPolygon(tri);
    return pm;
}

QPixmap aliasBadge(const QPixmap& picture)
{
    QPixmap pm = picture.copy();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = pm.width() / 16.0;
    const QRectF box(0, pm.height() - 7 * s, 7 * s, 7 * s);
    p.setPen(QPen(Qt::black, s * 0.75));
    p.setBrush(Qt::white);
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    QPainterPath curve;
    curve.moveTo(box.left() + 1.5 * s, box.bottom() - 1.5 * s);
    curve.quadTo(box.left() + 1.5 * s, box.top() + 2 * s, box.right() - 2 * s, box.top() + 2 * s);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(box.right() - 3 * s, box.top() + 0.8 * s),
                             QPointF(box.right() - 0.8 * s, box.top() + 2 * s),
                             QPointF(box.right() - 3 * s, box.top() + 3.2 * s)}));
    return pm;
}

QPixmap maskOf(const QPixmap& picture)
{
    QImage img = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = qAlpha(line[x]) > 0 ? qRgba(0, 0, 0, 255) : qRgba(255, 255, 255, 255);
    }
    return QPixmap::fromImage(img);
}

QPixmap dimmed(const QPixmap& picture)
{
    QPixmap pm = blank(picture.width(), picture.height());
    QPainter p(&pm);
    p.setOpacity(0.35);
    p.drawPixmap(0, 0, picture);
    return pm;
}

QPixmap fingerCursor()
{
    QPixmap pm = blank(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(5.5, 0.5, 3, 9), 1.5, 1.5);
    hand.addRoundedRect(QRectF(3.5, 7.5, 10, 8), 2, 2);
    p.drawPath(hand.simplified());
    return pm;
}

} // namespace PictureArt

QPixmap PictureArt::dragBands(int width, int rowHeight, const std::vector<bool>& selectedBands)
{
    const int height = rowHeight * int(selectedBands.size());
    QPixmap picture(std::max(1, width), std::max(1, height));
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    // A mask of grey 204 over the bands: a fifth of the picture shows.
    p.setOpacity(1.0 - 204.0 / 255.0);
    for (size_t i = 0; i < selectedBands.size(); ++i) {
        if (!selectedBands[i])
            continue;
        const QRect band(0, rowHeight * int(i), width, rowHeight);
        p.fillRect(band, QColor(0x88, 0xB5, 0x76));
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
        p.drawRect(band.adjusted(1, 1, -1, -1));
    }
    return picture;
}
