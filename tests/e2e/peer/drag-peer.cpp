// Another program for the end-to-end scripts to drag with.
//
//   drag-peer source FILE    a window that starts a drag of FILE's URL when pressed
//   drag-peer target OUTPUT  a window that writes the URLs dropped on it to OUTPUT
//
// The window is titled "drag-peer" and sits at the top left of the screen.

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class Peer : public QWidget {
public:
    Peer(bool source, QString path) : m_source(source), m_path(std::move(path))
    {
        setWindowTitle(QStringLiteral("drag-peer"));
        setAcceptDrops(!source);
        setGeometry(0, 0, 200, 150);
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        if (!m_source)
            return;
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(m_path)});
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    }
    void dragEnterEvent(QDragEnterEvent* e) override
    {
        if (e->mimeData()->hasUrls())
            e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override
    {
        QFile out(m_path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        for (const QUrl& url : e->mimeData()->urls())
            out.write(url.toEncoded() + "\n");
        e->acceptProposedAction();
    }

private:
    bool m_source;
    QString m_path;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3 || (qstrcmp(argv[1], "source") != 0 && qstrcmp(argv[1], "target") != 0)) {
        std::fprintf(stderr, "usage: drag-peer source FILE | target OUTPUT\n");
        return 2;
    }
    Peer peer(qstrcmp(argv[1], "source") == 0, QString::fromLocal8Bit(argv[2]));
    peer.show();
    return app.exec();
}
