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

QByteArrayView nameAt(const QByteArray& names, const std::vector<uint32_t>& ends, size_t i) {
    const uint32_t start = i == 0 ? 0 : ends[i - 1];
    return QByteArrayView(names.constData() + start, qsizetype(ends[i] - start));
}

} // namespace

int FolderItem::count() {
    m_entryNames.clear();
    std::vector<uint32_t>().swap(m_entryEnds);
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
    // Knowing which "._X" companions stand here saves every item a lookup of its own.
    QSet<QByteArray> companions;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        if (size_t(m_entryNames.size()) + size_t(name.size()) > UINT32_MAX)
            break; // beyond four gigabytes of names; the rest stays unlisted
        m_entryNames.append(name);
        m_entryEnds.push_back(uint32_t(m_entryNames.size()));
        if (name.startsWith("._") && FolderItemPaths::isCompanionName(name.toByteArray()))
            companions.insert(name.toByteArray());
    }
    m_entryNames.squeeze();
    m_entryEnds.shrink_to_fit();
    m_entryHasCompanion.reserve(m_entryEnds.size());
    for (size_t i = 0; i < m_entryEnds.size(); ++i) {
        m_entryHasCompanion.push_back(
            !companions.isEmpty() &&
            companions.contains("._" + nameAt(m_entryNames, m_entryEnds, i).toByteArray()));
    }
    return int(m_entryEnds.size());
}

FolderItemPtr FolderItem::item(int index) {
    if (index < 1 || index > int(m_entryEnds.size()))
        return nullptr;
    const size_t i = size_t(index - 1);
    auto item = std::make_shared<FolderItem>(
        FolderItemPaths::join(m_path, nameAt(m_entryNames, m_entryEnds, i).toByteArray()));
    item->snap().companionExists = m_entryHasCompanion[i];
    if (m_listedFd && m_listedFd->valid())
        item->snap().listedFolder = m_listedFd;
    return item;
}
