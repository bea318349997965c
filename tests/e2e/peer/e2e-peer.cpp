// The other programs the end-to-end scripts need beside Cloakswitch.
//
//   e2e-peer source FILE       a window that starts a drag of FILE's URL when pressed
//   e2e-peer target OUTPUT     a window that writes the URLs dropped on it to OUTPUT
//   e2e-peer filemanager LOG   a file manager on the session bus: writes each
//                              org.freedesktop.FileManager1 call to LOG, "Method URL..."
//
// The windows are titled "drag-peer" and sit at the top left of the screen.

#include <QApplication>
#include <QDBusConnection>
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

class FileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    explicit FileManager(QString log) : m_log(std::move(log)) {}

public Q_SLOTS:
    void ShowFolders(const QStringList& uris, const QString&) { record("ShowFolders", uris); }
    void ShowItems(const QStringList& uris, const QString&) { record("ShowItems", uris); }
    void ShowItemProperties(const QStringList& uris, const QString&)
    {
        record("ShowItemProperties", uris);
    }

private:
    void record(const char* method, const QStringList& uris)
    {
        QFile out(m_log);
        if (out.open(QIODevice::WriteOnly | QIODevice::Append))
            out.write(QByteArray(method) + " " + uris.join(QLatin1Char(' ')).toUtf8() + "\n");
    }
    QString m_log;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "filemanager") == 0) {
        FileManager manager(QString::fromLocal8Bit(argv[2]));
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                QDBusConnection::ExportAllSlots)
            || !bus.registerService(QStringLiteral("org.freedesktop.FileManager1"))) {
            std::fprintf(stderr, "e2e-peer: cannot register on the session bus\n");
            return 1;
        }
        return app.exec();
    }
    if (argc != 3 || (qstrcmp(argv[1], "source") != 0 && qstrcmp(argv[1], "target") != 0)) {
        std::fprintf(stderr, "usage: e2e-peer source FILE | target OUTPUT | filemanager LOG\n");
        return 2;
    }
    Peer peer(qstrcmp(argv[1], "source") == 0, QString::fromLocal8Bit(argv[2]));
    peer.show();
    return app.exec();
}

#include "e2e-peer.moc"
