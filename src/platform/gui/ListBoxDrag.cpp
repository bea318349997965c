#include "platform/gui/ListBox.h"

#include <QDrag>
#include <QMimeData>
#include <QUrl>

namespace {

// Names are bytes: percent-encode them as they are instead of decoding them first.
QUrl fileUrl(const QByteArray& posixPath)
{
    return QUrl::fromEncoded("file://" + posixPath.toPercentEncoding("/"));
}

} // namespace

void ListBox::startRowDrag(int row)
{
    std::vector<FolderItemPtr> drag;
    if (!onDragRow || !onDragRow(drag, row))
        return;
    QList<QUrl> urls;
    for (const FolderItemPtr& item : drag)
        if (item)
            urls << fileUrl(item->posixPath());
    if (urls.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setUrls(urls);
    auto* qdrag = new QDrag(this);
    qdrag->setMimeData(data);
    qdrag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
}
