#include "platform/script/FileManagerBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUrl>

namespace {

const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");

} // namespace

namespace FileManagerBus {

bool available() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    if (bus.interface()->isServiceRegistered(kService))
        return true;
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

bool call(const QString& method, const QStringList& posixPaths) {
    QStringList urls;
    for (const QString& path : posixPaths)
        urls << QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kService, method);
    message << urls << QString(); // the URLs and an empty start-up id
    // Nobody reads the answer; waiting for it would only hang on a busy file manager.
    return QDBusConnection::sessionBus().send(message);
}

} // namespace FileManagerBus
