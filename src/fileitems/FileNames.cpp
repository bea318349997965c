#include "fileitems/FileNames.h"

namespace fileitems {

bool splitFname(const QString& name, QString& base, QString& ext)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        base = name;
        return false;
    }
    ext = name.mid(dot + 1);
    base = name.left(dot);
    if (base.isEmpty() || base == QLatin1String("._")) {
        base = name;
        return false;
    }
    return true;
}

bool hasExtension(const QString& name, const QString& ext)
{
    QString base;
    QString own;
    return splitFname(name, base, own) && own.compare(ext, Qt::CaseInsensitive) == 0;
}

} // namespace fileitems
