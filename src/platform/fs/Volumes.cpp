#include "platform/fs/Volumes.h"

#include "platform/fs/MountTable.h"

#include <QFile>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <mutex>

namespace {

using VolumeList = Volumes::List;

// Rows ask for their volume constantly; a poll per question would cost a system call
// per row, so mountinfo is polled at most this often.
constexpr long kPollIntervalNs = 20'000'000;

class VolumeState {
  public:
    VolumeList current() {
        std::lock_guard lock(m_mutex);
        if (!m_list || (!m_test && mountsChanged()))
            m_list = m_test ? m_list : std::make_shared<const std::vector<Volume>>(readReal());
        return m_list;
    }

    void setTest(std::optional<std::vector<Volumes::TestVolume>> table) {
        std::lock_guard lock(m_mutex);
        m_test = table.has_value();
        m_list.reset();
        if (table)
            m_list = std::make_shared<const std::vector<Volume>>(fromTable(*table));
    }

  private:
    static std::vector<Volume> fromTable(const std::vector<Volumes::TestVolume>& table) {
        std::vector<Volume> volumes;
        for (const auto& t : table) {
            char buf[PATH_MAX];
            const QByteArray root = ::realpath(t.root.constData(), buf) ? QByteArray(buf) : t.root;
            volumes.push_back({t.name, root, t.ref, {}});
        }
        return volumes;
    }

    std::vector<Volume> readReal() {
        auto volumes = MountTable::volumesFrom(m_watch.read());
        if (volumes.empty() || volumes.front().mountPoint != "/")
            volumes.insert(volumes.begin(), Volume{QStringLiteral("/"), "/", INT_MAX, {}});
        return volumes;
    }

    bool mountsChanged() {
        timespec now;
        ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
        const long long ns = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
        if (ns - m_lastPoll < kPollIntervalNs)
            return false;
        m_lastPoll = ns;
        return m_watch.changed();
    }

    std::mutex m_mutex;
    VolumeList m_list;
    bool m_test = false;
    MountTable::Watch m_watch;
    long long m_lastPoll = 0;
};

VolumeState& state() {
    static VolumeState s;
    return s;
}

// Keeps the list a caller got alive while the state moves on to a newer one.
VolumeList& heldByThisThread() {
    thread_local VolumeList held;
    return held;
}

bool contains(const QByteArray& mountPoint, const QByteArray& path) {
    if (mountPoint == "/")
        return path.startsWith('/');
    return path == mountPoint || (path.startsWith(mountPoint) && path[mountPoint.size()] == '/');
}

} // namespace

const std::vector<Volume>& Volumes::list() {
    heldByThisThread() = state().current();
    return *heldByThisThread();
}

int Volumes::count() {
    return int(list().size());
}

FolderItemPtr Volumes::root(int index) {
    const auto& volumes = list();
    if (index < 0 || index >= int(volumes.size()))
        return nullptr;
    return std::make_shared<FolderItem>(volumes[index].mountPoint);
}

Volumes::List Volumes::current() {
    return state().current();
}

const Volume* Volumes::locate(const std::vector<Volume>& volumes, const QByteArray& canonicalPath) {
    const Volume* best = nullptr;
    for (const Volume& v : volumes) {
        if (contains(v.mountPoint, canonicalPath) &&
            (!best || v.mountPoint.size() > best->mountPoint.size()))
            best = &v;
    }
    return best;
}

std::optional<Volume> Volumes::forPath(const QByteArray& canonicalPath) {
    const Volume* best = locate(list(), canonicalPath);
    return best ? std::optional<Volume>(*best) : std::nullopt;
}

std::optional<Volume> Volumes::byRef(int ref) {
    for (const Volume& v : list()) {
        if (v.ref == ref)
            return v;
    }
    return std::nullopt;
}

std::optional<Volume> Volumes::byName(const QString& name) {
    for (const Volume& v : list()) {
        if (v.name == name)
            return v;
    }
    return std::nullopt;
}

void Volumes::setTestTable(std::optional<std::vector<TestVolume>> table) {
    state().setTest(std::move(table));
}
