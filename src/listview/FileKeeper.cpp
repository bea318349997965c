#include "listview/FileKeeper.h"

#include "fileitems/globals.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/ListBox.h"

#include <QHash>

void FileKeeper::getFrom(const ListBox& list, int row)
{
    const ListRow& r = list.row(row);
    vref = r.vref;
    path = r.path;
}

bool FileKeeper::compareWith(const ListBox& list, int row) const
{
    const ListRow& r = list.row(row);
    return r.vref == vref && r.path == path;
}

FolderItemPtr FileKeeper::getFI() const
{
    int volNum = globals::vrefToVolNum(QString::number(vref));
    if (volNum < 0)
        return nullptr;
    FolderItemPtr root = Volumes::root(volNum);
    return root ? root->trueChild(path) : nullptr;
}

size_t FileKeeperHash::operator()(const FileKeeper& k) const noexcept
{
    return qHash(k.path, size_t(k.vref));
}
