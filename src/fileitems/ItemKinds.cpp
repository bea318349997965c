#include "fileitems/ItemKinds.h"

#include "fileitems/Codes.h"
#include "fileitems/FileNames.h"

namespace fileitems {

namespace {

bool hasAppName(const FolderItem& item)
{
    return item.name().endsWith(QLatin1String(".app"), Qt::CaseInsensitive);
}

bool isContainerAliasType(const QByteArray& type)
{
    return sameCode(type, "fdrp") || sameCode(type, "hdsk");
}

} // namespace

bool isPackage(const FolderItemPtr& item)
{
    if (!item || !item->isFolder())
        return false;
    QString base;
    QString ext;
    if (!splitFname(item->name(), base, ext))
        return false;
    if (ext.compare(QLatin1String("rtfd"), Qt::CaseInsensitive) == 0)
        return true;
    // Asking for the two names costs two lookups where reading the folder would cost
    // one per entry, and names match exactly either way.
    const FolderItemPtr contents = item->trueChild(QStringLiteral("Contents"));
    if (contents && contents->isFolder())
        return true;
    const FolderItemPtr plist = item->trueChild(QStringLiteral("Info.plist"));
    return plist && plist->exists() && !plist->isFolder();
}

RowKind rowKind(const FolderItemPtr& item, bool expandAliases)
{
    if (!item)
        return {RowPicture::File, false, false};
    const QByteArray type = item->typeCode();
    const bool appName = hasAppName(*item);
    if (appName || sameCode(type, "APPL"))
        return {RowPicture::Application, false, !appName && !isPackage(item)};
    if (sameCode(type, "fapa") || sameCode(type, "adrp"))
        return {RowPicture::ApplicationAlias, false, !isPackage(item)};
    if (item->isFolder() ? isPackage(item) : !isContainerAliasType(type)) {
        const RowPicture picture = item->isAlias() ? RowPicture::FileAlias : RowPicture::File;
        return {picture, false, !item->isFolder()};
    }
    if (item->isAlias()) {
        const bool volume = sameCode(type, "hdsk");
        return {volume ? RowPicture::VolumeAlias : RowPicture::FolderAlias, expandAliases,
                !expandAliases};
    }
    return {RowPicture::Folder, true, false};
}

} // namespace fileitems
