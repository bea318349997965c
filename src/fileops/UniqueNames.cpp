#include "mainwindow/Window1.h"

#include "fileitems/FileNames.h"
#include "platform/fs/NameCodec.h"

namespace {

constexpr int kLastSuffix = 999;

bool sameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString Window1::uniqueName(const FolderItemPtr& folder, const QString& name) {
    QString base;
    QString ext;
    const bool hasExt = fileitems::splitFname(name, base, ext);
    QString candidate;
    for (int i = 1; i <= kLastSuffix; ++i) {
        candidate = base + QLatin1Char('_') + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
        if (hasExt)
            candidate += QLatin1Char('.') + ext;
        // Past the last suffix the caller meets the taken name itself.
        if (i == kLastSuffix || !folder)
            break;
        const FolderItemPtr child = folder->trueChild(candidate);
        if (!child || !child->exists())
            break;
    }
    return candidate;
}

bool Window1::isReservedName(const FolderItemPtr& item) {
    if (!item)
        return false;
    // The display name is decoded for people; names that are not UTF-8 must be decoded
    // the same way, or every old Shift-JIS name would look like a system folder.
    const QString name = NameCodec::forDisplay(item->name());
    const QString shown = item->displayName();
    if (sameText(name, shown))
        return false;
    QString base;
    QString ext;
    if (!fileitems::splitFname(name, base, ext))
        return true;
    return !sameText(base, shown);
}
