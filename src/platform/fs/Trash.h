#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <optional>

class FolderItem;

// The freedesktop.org trash (version 1.0 of its specification) of one volume: the user's
// own $XDG_DATA_HOME/Trash for the volume that holds the home folder, else
// $topdir/.Trash/$uid (when .Trash is a real sticky folder) or $topdir/.Trash-$uid.
// Desktop trash tools read the same folders, so what goes in here can be restored there.
namespace Trash {

struct Location {
    QByteArray root;   // the trash folder itself, holding files/ and info/
    QByteArray topdir; // the volume's top folder; empty for the home trash
    QByteArray files() const;
    QByteArray info() const;
    QByteArray infoFile(const QByteArray& name) const; // info/NAME.trashinfo
};

// The trash that serves the volume holding the canonical path. Nothing is created: the
// folders need not exist.
std::optional<Location> forVolumeOf(const QByteArray& canonicalPath);
// The trash whose files/ folder this is; none for any other folder.
std::optional<Location> ofFilesFolder(const QByteArray& filesPath);

// Moves the item into the trash whose files/ folder is given, under nameInTrash, creating
// the trash when missing. Its info file records the path the item has now. A "._X"
// companion goes along under the matching name with an info file of its own. Never
// across volumes, never over an entry of the trash; on failure nothing is left behind.
Status moveIn(FolderItem& item, const FolderItem& filesFolder, const QString& nameInTrash);

// An entry of files/ is gone: its info file and its line in directorysizes go too.
void forgetEntry(const Location& trash, const QByteArray& name);
// Removes the info files (and directorysizes lines) whose entry of files/ is gone.
Status removeOrphanedInfo(const FolderItem& filesFolder);

} // namespace Trash
