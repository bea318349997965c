#include "listview/RowCells.h"

#include "fileitems/CellText.h"
#include "fileitems/Codes.h"
#include "fileitems/ItemKinds.h"
#include "fileitems/Paths.h"
#include "listview/RowPictures.h"

#include <QDateTime>
#include <algorithm>

namespace RowCells {

static QString dateText(int64_t secs)
{
    return fileitems::sqlDateText(QDateTime::fromSecsSinceEpoch(secs));
}

static QString codeText(const std::array<char, 4>& code)
{
    return fileitems::optStr(QByteArray(code.data(), 4));
}

QString text(const ListRow& row, int column)
{
    switch (column) {
    case kName: return row.name;
    case kCreated: return dateText(row.created);
    case kModified: return dateText(row.modified);
    case kSize: return row.size < 0 ? fileitems::kNoSizeText : fileitems::sizeText(row.size);
    case kCreator: return codeText(row.creator);
    case kType: return codeText(row.type);
    case kSizeKey: return row.size < 0 ? fileitems::kNoSizeText : fileitems::sizeKey(row.size);
    case kVolumeRef: return QString::number(row.vref);
    case kPath: return row.path;
    default: return {};
    }
}

static void copyCode(const QByteArray& code, std::array<char, 4>& out)
{
    out.fill(0);
    std::copy_n(code.constData(), std::min<qsizetype>(4, code.size()), out.begin());
}

bool fill(const FolderItemPtr& item, const Filters& filters, ListRow& row)
{
    if (!item)
        return false;
    const bool visible = item->visible();
    if ((!filters.visibles && visible) || (!filters.invisibles && !visible))
        return false;
    const QString name = item->name();
    if (!filters.dots && name.startsWith(QLatin1Char('.')))
        return false;

    const fileitems::RowKind kind = fileitems::rowKind(item, filters.expandAliases);
    row = ListRow{};
    row.name = item->displayName();
    row.picture = uint16_t(rowPictureId(kind.picture));
    row.folderRow = kind.folderRow;
    row.vref = item->volumeRef();
    row.path = fileitems::makePath(item);
    row.created = item->creationDate().toSecsSinceEpoch();
    row.modified = item->modificationDate().toSecsSinceEpoch();
    if (kind.hasSize)
        row.size = item->dataForkSize() + item->resourceForkSize();
    copyCode(item->creatorCode(), row.creator);
    copyCode(item->typeCode(), row.type);
    row.underline = !visible;
    return true;
}

} // namespace RowCells
