#include "platform/fs/Trash.h"

#include "platform/fs/FolderItem.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/PosixCalls.h"
#include "platform/fs/TrashInfo.h"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using PosixCalls::present;

// The device the folder is on, or would be on once made: that of its deepest existing
// ancestor.
bool deviceOf(QByteArray path, dev_t& device) {
    struct stat st;
    while (::stat(path.constData(), &st) != 0) {
        const QByteArray folder = FolderItemPaths::folderOf(path);
        if (folder == path)
            return false;
        path = folder;
    }
    device = st.st_dev;
    return true;
}

// A folder of the trash, made private to the user when it is new. What stands there
// already must be a real folder: a link could lead the items anywhere.
Status makeFolder(const QByteArray& path) {
    if (::mkdir(path.constData(), 0700) == 0)
        return success();
    if (errno != EEXIST)
        return Status::fail("mkdir");
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return Status::fail("mkdir", ENOTDIR);
    return success();
}

// The trash and the folders above it that are missing (for the home trash,
// ~/.local/share may not exist yet), then files/ and info/.
Status makeTrash(const Trash::Location& trash) {
    std::vector<QByteArray> missing;
    for (QByteArray path = trash.root; !present(path); path = FolderItemPaths::folderOf(path)) {
        missing.push_back(path);
        if (path == "/")
            break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (Status made = makeFolder(*it); !made)
            return made;
    }
    for (const QByteArray& path : {trash.root, trash.files(), trash.info()}) {
        if (Status made = makeFolder(path); !made)
            return made;
    }
    return success();
}

// Writes info/NAME.trashinfo. One left by an entry that is gone is stale and replaced; one
// whose entry is still in files/ means the name is taken.
Status writeInfo(const Trash::Location& trash, const QByteArray& name,
                 const QByteArray& originalPath, std::time_t when) {
    const QByteArray path = trash.infoFile(name);
    const QByteArray text = TrashInfo::text(originalPath, trash.topdir, when);
    Status created = TrashInfo::create(path, text);
    if (created || created.error().code != EEXIST)
        return created;
    if (present(FolderItemPaths::join(trash.files(), name)))
        return created;
    ::unlink(path.constData());
    return TrashInfo::create(path, text);
}

} // namespace

namespace Trash {

Status moveIn(FolderItem& item, const FolderItem& filesFolder, const QString& nameInTrash) {
    const auto trash = ofFilesFolder(filesFolder.posixPath());
    if (!trash)
        return Status::fail("trash", EINVAL);
    const QByteArray source = item.posixPath();
    const QByteArray name = NameCodec::toBytes(nameInTrash);
    struct stat st;
    // A volume root would take the whole disk into its own trash.
    if (!FolderItemPaths::isValidName(name) || item.isVolumeRoot())
        return Status::fail("trash", EINVAL);
    if (::lstat(source.constData(), &st) != 0)
        return Status::fail("lstat");
    const QByteArray folder = FolderItemPaths::folderOf(source);
    // What is in the trash already is not trashed again (it would lose its info file).
    if (folder == trash->files() || source == trash->root || source == trash->files())
        return Status::fail("trash", EINVAL);
    dev_t trashDevice;
    if (item.volumeRef() != filesFolder.volumeRef() || !deviceOf(trash->root, trashDevice) ||
        trashDevice != st.st_dev)
        return Status::fail("trash", EXDEV);
    if (present(FolderItemPaths::join(trash->files(), name)))
        return Status::fail("trash", EEXIST);

    if (Status made = makeTrash(*trash); !made)
        return made;
    const std::time_t now = std::time(nullptr);
    if (Status info = writeInfo(*trash, name, source, now); !info)
        return info;
    std::vector<QByteArray> written{name};
    const QByteArray oldName = FolderItemPaths::lastName(source);
    const QByteArray companion = FolderItemPaths::join(folder, "._" + oldName);
    if (!FolderItemPaths::isCompanionName(oldName) && FolderItemPaths::isCompanionFile(companion)) {
        if (Status info = writeInfo(*trash, "._" + name, companion, now); !info) {
            ::unlink(trash->infoFile(name).constData());
            return info;
        }
        written.push_back("._" + name);
    }
    Status moved = item.moveInto(filesFolder, nameInTrash);
    if (!moved) {
        for (const QByteArray& n : written)
            ::unlink(trash->infoFile(n).constData());
        return moved;
    }
    // A size cached for an earlier folder of this name would now be taken for this one.
    TrashInfo::keepDirectorySizes(trash->root, [&](const QByteArray& n) { return n != name; });
    return success();
}

void forgetEntry(const Location& trash, const QByteArray& name) {
    ::unlink(trash.infoFile(name).constData());
    TrashInfo::keepDirectorySizes(trash.root, [&](const QByteArray& n) { return n != name; });
}

Status removeOrphanedInfo(const FolderItem& filesFolder) {
    const auto trash = ofFilesFolder(filesFolder.posixPath());
    if (!trash)
        return Status::fail("trash", EINVAL);
    const QByteArray files = trash->files();
    auto inFiles = [&](const QByteArray& name) {
        return present(FolderItemPaths::join(files, name));
    };
    Status result = success();
    if (DIR* dir = ::opendir(trash->info().constData())) {
        std::vector<QByteArray> orphans;
        while (const dirent* e = ::readdir(dir)) {
            const QByteArray entry(e->d_name);
            if (entry.endsWith(".trashinfo") && entry != ".trashinfo" &&
                !inFiles(entry.chopped(int(sizeof ".trashinfo") - 1)))
                orphans.push_back(entry);
        }
        ::closedir(dir);
        for (const QByteArray& entry : orphans) {
            if (::unlink(FolderItemPaths::join(trash->info(), entry).constData()) != 0 && result)
                result = Status::fail("unlink");
        }
    } else if (errno != ENOENT) {
        result = Status::fail("opendir");
    }
    TrashInfo::keepDirectorySizes(trash->root, inFiles);
    return result;
}

} // namespace Trash
