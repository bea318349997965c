#include "listview/FileKeeper.h"

#include "fileitems/globals.h"
#include "platform/fs/Volumes.h"
#include "platform/gui/ListBox.h"

#include <QHash>

void FileKeeper::getFrom(const ListBox& list, int row)
{
    vref = 0;
    list.rowKey(row, vref, path);
}

bool FileKeeper::compareWith(const ListBox& list, int row) const
{
    int rowVref = 0;
    QString rowPath;
    list.rowKey(row, rowVref, rowPath);
    return rowVref == vref && rowPath == path;
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
