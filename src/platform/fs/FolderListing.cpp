#include "platform/fs/FolderItem.h"

#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/UniqueFd.h"

#include <QSet>
#include <dirent.h>
#include <fcntl.h>
#include <memory>

namespace {

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

} // namespace

int FolderItem::count() {
    m_entries.clear();
    m_entryHasCompanion.clear();
    m_listedFd.reset();
    UniqueFd fd(::open(m_path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid())
        return 0;
    m_listedFd = std::make_shared<const UniqueFd>(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
    std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd.get()));
    if (!dir)
        return 0;
    fd.release(); // the stream owns it now
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            m_entries.push_back(name);
    }
    // Knowing which "._X" companions stand here saves every item a lookup of its own.
    QSet<QByteArray> companions;
    for (const QByteArray& name : m_entries) {
        if (FolderItemPaths::isCompanionName(name))
            companions.insert(name);
    }
    m_entryHasCompanion.reserve(m_entries.size());
    for (const QByteArray& name : m_entries)
        m_entryHasCompanion.push_back(companions.contains("._" + name));
    return int(m_entries.size());
}

FolderItemPtr FolderItem::item(int index) {
    if (index < 1 || index > int(m_entries.size()))
        return nullptr;
    auto item = std::make_shared<FolderItem>(FolderItemPaths::join(m_path, m_entries[index - 1]));
    item->snap().companionExists = m_entryHasCompanion[index - 1];
    if (m_listedFd && m_listedFd->valid())
        item->snap().listedFolder = m_listedFd;
    return item;
}
