#include "platform/gui/Pictures.h"

#include "platform/gui/PictureArt.h"

#include <QPainter>
#include <map>

namespace Pictures {

namespace {

QPixmap themed(const char* name, int size, QPixmap (*fallback)(int))
{
    const QIcon icon = QIcon::fromTheme(QLatin1String(name));
    if (!icon.isNull()) {
        QPixmap pm = icon.pixmap(QSize(size, size), 1.0);
        if (!pm.isNull()) {
            // Themes may answer with a smaller size; rows and buttons need the exact one.
            if (pm.size() != QSize(size, size))
                pm = pm.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            pm.setDevicePixelRatio(1.0);
            return pm;
        }
    }
    return fallback(size);
}

QPixmap backArrow(int s) { return PictureArt::arrow(s, true); }
QPixmap nextArrow(int s) { return PictureArt::arrow(s, false); }

QPixmap ownIcon(int size)
{
    return programIcon().pixmap(QSize(size, size), 1.0);
}

QPixmap make(int id)
{
    using namespace PictureArt;
    switch (id) {
    case kFolIcon: return themed("folder", 16, folder);
    case kDocIcon: return themed("text-x-generic", 16, document);
    case kAppIcon: return themed("application-x-executable", 16, application);
    case kFolAliasIcon: return aliasBadge(get(kFolIcon));
    case kDocAliasIcon: return aliasBadge(get(kDocIcon));
    case kAppAliasIcon: return aliasBadge(get(kAppIcon));
    case kVolAliasIcon: return aliasBadge(themed("drive-harddisk", 16, volume));
    case kIcBack: return themed("go-previous", 24, backArrow);
    case kIcNext: return themed("go-next", 24, nextArrow);
    case kIcBackDim: return dimmed(get(kIcBack));
    case kIcNextDim: return dimmed(get(kIcNext));
    case kIcArrowMask: return maskOf(get(kIcBack));
    case kIcTrash: return themed("user-trash", 32, trash);
    case kIcTrashDim: return dimmed(get(kIcTrash));
    case kCloakswitchIcon: return ownIcon(32);
    case kUpArrow: return smallArrow(16, true);
    case kDownArrow: return smallArrow(16, false);
    case kFolIconMask: case kDocIconMask: case kAppIconMask: case kFolAliasIconMask:
    case kDocAliasIconMask: case kAppAliasIconMask: case kVolAliasIconMask:
    case kIcTrashMask: case kCloakswitchIconMask:
        return maskOf(get(id - 1)); // each mask follows its picture
    default:
        return {};
    }
}

} // namespace

QPixmap get(int id)
{
    static std::map<int, QPixmap> cache;
    auto it = cache.find(id);
    if (it != cache.end())
        return it->second;
    QPixmap pm = make(id);
    cache.emplace(id, pm);
    return pm;
}

QPixmap compose(const QPixmap& image, const QPixmap& mask)
{
    if (image.isNull())
        return {};
    QImage out = image.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage m = mask.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const bool inside = x < m.width() && y < m.height();
            const QRgb mp = inside ? m.pixel(x, y) : qRgba(0, 0, 0, 0);
            const bool shows = qAlpha(mp) > 0 && qGray(mp) < 128;
            if (!shows)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(out);
}

QCursor cursor(int id)
{
    if (id != kFingerCursor)
        return QCursor();
    if (QIcon::hasThemeIcon(QStringLiteral("pointer")))
        return QCursor(Qt::PointingHandCursor);
    return QCursor(PictureArt::fingerCursor(), 6, 0);
}

QIcon programIcon()
{
    static QIcon icon = [] {
        QIcon own(QStringLiteral(":/icons/cloakswitch.svg"));
        if (own.availableSizes().isEmpty() && own.pixmap(32, 32).isNull()) {
            // Without the SVG image plugin, draw the same idea: a folder half cloaked.
            QPixmap pm = PictureArt::folder(32);
            QPainter p(&pm);
            p.fillRect(QRect(16, 0, 16, 32), QColor(0xCC, 0xCC, 0xCC, 160));
            own = QIcon(pm);
        }
        return QIcon::fromTheme(QStringLiteral("cloakswitch"), own);
    }();
    return icon;
}

} // namespace Pictures
