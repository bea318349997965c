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
        return {};
    const QByteArray type = item->typeCode();
    if (hasAppName(*item) || sameCode(type, "APPL"))
        return {RowPicture::Application, false};
    if (sameCode(type, "fapa") || sameCode(type, "adrp"))
        return {RowPicture::ApplicationAlias, false};
    if (item->isFolder() ? isPackage(item) : !isContainerAliasType(type))
        return {item->isAlias() ? RowPicture::FileAlias : RowPicture::File, false};
    if (item->isAlias()) {
        const bool volume = sameCode(type, "hdsk");
        return {volume ? RowPicture::VolumeAlias : RowPicture::FolderAlias, expandAliases};
    }
    return {RowPicture::Folder, true};
}

bool hasNoSize(const FolderItemPtr& item, bool expandAliases)
{
    if (!item)
        return true;
    return hasAppName(*item) || isPackage(item) || rowKind(item, expandAliases).folderRow;
}

} // namespace fileitems
