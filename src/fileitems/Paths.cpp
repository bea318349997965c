#include "fileitems/Paths.h"

namespace fileitems {

namespace {

// Deeper than any real tree; stops the walk should a parent chain ever loop.
constexpr int kMaxDepth = 4096;

// A ":" inside a name would read as a separator; colon paths write it as "/", as the
// absolute path does.
QString colonSafe(QString name)
{
    return name.replace(QLatin1Char(':'), QLatin1Char('/'));
}

template <typename NameOf>
QString joinAncestors(const FolderItemPtr& item, NameOf nameOf)
{
    if (!item)
        return {};
    QString result = colonSafe(nameOf(*item));
    FolderItemPtr current = item->parent();
    for (int depth = 0; current && depth < kMaxDepth; ++depth) {
        result.prepend(colonSafe(nameOf(*current)) + QLatin1Char(':'));
        current = current->parent();
    }
    return result;
}

} // namespace

QString makePath(const FolderItemPtr& item)
{
    if (!item)
        return {};
    const QString absolute = item->absolutePath();
    const qsizetype colon = absolute.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    QString path = absolute.mid(colon);
    if (path.endsWith(QLatin1Char(':')))
        path.chop(1);
    return path;
}

QString perfectPath(const FolderItemPtr& item)
{
    return joinAncestors(item, [](const FolderItem& it) { return it.name(); });
}

QString pathForDisplay(const FolderItemPtr& item)
{
    return joinAncestors(item, [](const FolderItem& it) { return it.displayName(); });
}

bool compareFolderItems(const FolderItemPtr& a, const FolderItemPtr& b)
{
    if (!a || !b)
        return !a && !b;
    return a->volumeRef() == b->volumeRef() && makePath(a) == makePath(b);
}

} // namespace fileitems
