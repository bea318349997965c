#include "platform/fs/FolderItem.h"

#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/UniqueFd.h"
#include "platform/fs/Volumes.h"

#include <QSet>
#include <algorithm>
#include <atomic>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <system_error>
#include <thread>

namespace {

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

QByteArrayView nameAt(const QByteArray& names, const std::vector<uint32_t>& ends, size_t i) {
    const uint32_t start = i == 0 ? 0 : ends[i - 1];
    return QByteArrayView(names.constData() + start, qsizetype(ends[i] - start));
}

// A few hundred entries read faster on the calling thread than thread start-up costs.
std::atomic<size_t> g_threadedFrom{512};
std::mutex g_hookLock;
std::function<void()> g_afterNames;

// Entries handed to a worker at a time: large enough that taking the next batch costs
// nothing next to its system calls, small enough that the workers finish together.
constexpr size_t kBatch = 256;

qint64 toMs(const statx_timestamp& t) {
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
}

struct ReadJob {
    const QByteArray& folder;
    int folderFd;
    const QByteArray& names;
    const std::vector<uint32_t>& ends;
    const std::vector<bool>& hasCompanion;
    const std::vector<Volume>* volumes; // for folders that may be mount points of their own
    bool folderOnHfsPlus;
};

using FoundInfo = std::pair<uint32_t, FinderInfoRead>;

// The same calls the item itself would make on first use: one statx relative to the open
// folder, then the Finder information with what the listing already knows as hints.
void readEntry(const ReadJob& job, size_t i, FolderItem::EntryReads::Status& out,
               std::vector<FoundInfo>& found) {
    const QByteArrayView name = nameAt(job.names, job.ends, i);
    char buf[NAME_MAX + 1];
    if (size_t(name.size()) > NAME_MAX)
        return;
    std::copy_n(name.data(), name.size(), buf);
    buf[name.size()] = '\0';
    struct statx st;
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_BTIME;
    if (::statx(job.folderFd, buf, AT_SYMLINK_NOFOLLOW, mask, &st) != 0)
        return;
    out.exists = true;
    out.mode = st.stx_mode;
    out.size = qint64(st.stx_size);
    out.mtimeMs = toMs(st.stx_mtime);
    out.hasBirth = st.stx_mask & STATX_BTIME;
    if (out.hasBirth)
        out.birthMs = toMs(st.stx_btime);

    const QByteArray path = FolderItemPaths::join(job.folder, name.toByteArray());
    FinderInfoHints hints;
    hints.companionExists = job.hasCompanion[i];
    hints.isSymlink = S_ISLNK(out.mode);
    hints.onHfsPlus = job.folderOnHfsPlus;
    if (S_ISDIR(out.mode) && job.volumes) {
        const Volume* v = Volumes::locate(*job.volumes, path);
        hints.onHfsPlus = v && v->fsType == "hfsplus";
    }
    FinderInfoRead read = FinderInfoStore::read(path, hints);
    if (read.source != FinderInfoSource::None || read.resourceForkSize != 0 || !read.info.isZero())
        found.emplace_back(uint32_t(i), std::move(read));
}

void readRange(const ReadJob& job, std::atomic<size_t>& next,
               std::vector<FolderItem::EntryReads::Status>& entries,
               std::vector<FoundInfo>& found) {
    const size_t n = entries.size();
    for (;;) {
        const size_t start = next.fetch_add(kBatch, std::memory_order_relaxed);
        if (start >= n)
            return;
        const size_t end = std::min(n, start + kBatch);
        for (size_t i = start; i < end; ++i)
            readEntry(job, i, entries[i], found);
    }
}

unsigned workerCount() {
    // The kernel's per-entry work parallelises well up to a few threads; beyond that the
    // directory's locks and the disk decide.
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 2u, 4u);
}

} // namespace

size_t FolderReader::threadedFrom() {
    return g_threadedFrom.load();
}

void FolderReader::setThreadedFrom(size_t entries) {
    g_threadedFrom.store(entries);
}

void FolderReader::setAfterNamesHook(std::function<void()> hook) {
    std::lock_guard<std::mutex> lock(g_hookLock);
    g_afterNames = std::move(hook);
}

int FolderItem::count() {
    m_reads.reset();
    m_entryNames.clear();
    std::vector<uint32_t>().swap(m_entryEnds);
    m_entryHasCompanion.clear();
    m_listedFd.reset();
    m_readsUsedUp = false;
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

void FolderItem::readEntries() {
    {
        std::function<void()> hook;
        {
            std::lock_guard<std::mutex> lock(g_hookLock);
            hook = g_afterNames;
        }
        if (hook)
            hook();
    }
    auto reads = std::make_unique<EntryReads>();
    const size_t n = m_entryEnds.size();
    reads->entries.resize(n);
    reads->handedOut.resize(n);
    const Volumes::List volumes = Volumes::current();
    const Volume* own = volumes ? Volumes::locate(*volumes, m_path) : nullptr;
    const ReadJob job{m_path,          m_listedFd->get(),   m_entryNames,
                      m_entryEnds,     m_entryHasCompanion, volumes ? volumes.get() : nullptr,
                      own && own->fsType == "hfsplus"};
    std::atomic<size_t> next{0};
    std::vector<FoundInfo> found;
    if (n < FolderReader::threadedFrom()) {
        readRange(job, next, reads->entries, found);
    } else {
        // Each worker writes only its own entries and its own list of found information,
        // so nothing is shared but the batch counter; all are joined before the items go
        // out, which keeps the caller synchronous and the order the directory's.
        const unsigned workers = workerCount();
        std::vector<std::vector<FoundInfo>> perWorker(workers);
        std::vector<std::thread> threads;
        threads.reserve(workers - 1);
        for (unsigned w = 1; w < workers; ++w) {
            try {
                threads.emplace_back(
                    [&, w] { readRange(job, next, reads->entries, perWorker[w]); });
            } catch (const std::system_error&) {
                break; // no thread to be had: the ones started and this one read the rest
            }
        }
        readRange(job, next, reads->entries, perWorker[0]);
        for (std::thread& t : threads)
            t.join();
        for (auto& part : perWorker)
            std::move(part.begin(), part.end(), std::back_inserter(found));
    }
    reads->infos.reserve(found.size());
    for (auto& [index, info] : found) {
        reads->entries[index].info = int32_t(reads->infos.size());
        reads->infos.push_back(std::move(info));
    }
    m_reads = std::move(reads);
}

// The first call after count() reads every entry's status and Finder information at
// once, on a few threads for a large folder, and returns only when all are read: callers
// stay synchronous and see the entries in the directory's order.
FolderItemPtr FolderItem::item(int index) {
    if (index < 1 || index > int(m_entryEnds.size()))
        return nullptr;
    const size_t i = size_t(index - 1);
    auto item = std::make_shared<FolderItem>(
        FolderItemPaths::join(m_path, nameAt(m_entryNames, m_entryEnds, i).toByteArray()));
    Snapshot& s = item->snap();
    s.companionExists = m_entryHasCompanion[i];
    if (!m_listedFd || !m_listedFd->valid())
        return item;
    s.listedFolder = m_listedFd;
    // Once every entry has been handed out the reads are dropped: an item asked for again
    // reads for itself, as an item does.
    if (!m_reads && !m_readsUsedUp)
        readEntries();
    if (!m_reads)
        return item;
    const EntryReads::Status& e = m_reads->entries[i];
    s.statRead = true;
    s.exists = e.exists;
    if (e.exists) {
        s.mode = e.mode;
        s.size = e.size;
        s.mtimeMs = e.mtimeMs;
        if (e.hasBirth)
            s.birthMs = e.birthMs;
        s.finderInfo = e.info >= 0 ? m_reads->infos[size_t(e.info)] : FinderInfoRead{};
    }
    if (!m_reads->handedOut[i]) {
        m_reads->handedOut[i] = true;
        if (++m_reads->handedOutCount == m_reads->entries.size()) {
            m_reads.reset();
            m_readsUsedUp = true;
        }
    }
    return item;
}
