#pragma once

#include <QString>
#include <QStringList>

// The desktop's file manager, reached as org.freedesktop.FileManager1 on the session bus.
namespace FileManagerBus {

// True when some program owns the name or the bus can start one for it.
bool available();
// Sends the call with file URLs of the POSIX paths; false when it could not be sent.
bool call(const QString& method, const QStringList& posixPaths);

} // namespace FileManagerBus
