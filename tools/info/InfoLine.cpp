#include "InfoLine.h"

#include "fileitems/CellText.h"
#include "fileitems/Codes.h"
#include "fileitems/ItemKinds.h"
#include "platform/fs/NameCodec.h"

#include <limits>

namespace {

const char* kindText(const FolderItemPtr& item)
{
    if (item->isVolumeRoot())
        return "volume";
    if (item->isAlias())
        return "alias";
    if (fileitems::isPackage(item))
        return "package";
    return item->isFolder() ? "folder" : "file";
}

QByteArray sizeField(const FolderItemPtr& item)
{
    if (fileitems::hasNoSize(item, true))
        return fileitems::kNoSizeText;
    const int64_t data = item->dataForkSize();
    const int64_t resource = item->resourceForkSize();
    const int64_t total = resource > std::numeric_limits<int64_t>::max() - data
                              ? std::numeric_limits<int64_t>::max()
                              : data + resource;
    return fileitems::sizeText(total).toUtf8();
}

} // namespace

QByteArray escapeInfoField(const QByteArray& field)
{
    QByteArray escaped;
    escaped.reserve(field.size());
    for (char c : field) {
        switch (c) {
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\\': escaped += "\\\\"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

QByteArray infoLine(const FolderItemPtr& item)
{
    // The path keeps the name's own bytes, so that scripts can find the item again; the
    // display name is text for people.
    const QByteArray fields[] = {
        NameCodec::toBytes(item->absolutePath()),
        item->displayName().toUtf8(),
        fileitems::sqlDateText(item->creationDate()).toUtf8(),
        fileitems::sqlDateText(item->modificationDate()).toUtf8(),
        sizeField(item),
        fileitems::optStr(item->creatorCode()).toUtf8(),
        fileitems::optStr(item->typeCode()).toUtf8(),
        item->visible() ? "visible" : "invisible",
        kindText(item),
    };
    QByteArrayList escaped;
    for (const QByteArray& field : fields)
        escaped.append(escapeInfoField(field));
    return escaped.join('\t');
}
