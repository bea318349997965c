#include "platform/fs/DeleteTree.h"

#include "platform/fs/PosixCalls.h"
#include "platform/fs/UniqueFd.h"

#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

using PosixCalls::entriesOf;

// Folders deeper than this many levels above the one being emptied are closed and found
// again through ".." on the way back, so that any depth fits in a few descriptors.
constexpr size_t kOpenLevels = 16;

void keepFirst(Status& first, const Status& next) {
    if (first.ok() && !next.ok())
        first = next;
}

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    std::optional<uint64_t> mountId; // where the kernel tells it
};

Result<Identity> identify(int fd) {
    struct statx st;
    if (::statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_MNT_ID, &st) != 0)
        return Result<Identity>::fail("statx");
    Identity id{::makedev(st.stx_dev_major, st.stx_dev_minor), ino_t(st.stx_ino), {}};
    if (st.stx_mask & STATX_MNT_ID)
        id.mountId = st.stx_mnt_id;
    return id;
}

// A folder on the way down: its entries are read once, when it is entered, so that
// removing them does not disturb a directory stream.
struct Level {
    UniqueFd fd; // closed for levels far above the current one
    Identity id;
    QByteArray nameInParent;
    std::vector<QByteArray> names;
    size_t next = 0;
};

bool sameMount(const Identity& a, const Identity& root) {
    if (a.mountId && root.mountId)
        return *a.mountId == *root.mountId;
    return a.device == root.device; // kernels before 5.8 tell no mount id
}

class TreeRemover {
  public:
    explicit TreeRemover(Identity root) : m_root(root) {}

    // Empties the folder open as rootFd; the caller removes the folder itself.
    Status empty(UniqueFd rootFd) {
        if (!enter(std::move(rootFd), m_root, {}))
            return m_result;
        while (!m_levels.empty()) {
            Level& top = m_levels.back();
            if (top.next == top.names.size()) {
                leave();
                continue;
            }
            const QByteArray name = top.names[top.next++];
            removeEntry(top.fd.get(), name);
        }
        return m_result;
    }

  private:
    bool enter(UniqueFd fd, const Identity& id, const QByteArray& name) {
        auto names = entriesOf(fd.get());
        if (!names) {
            keepFirst(m_result, Status(names.error()));
            return false;
        }
        m_levels.push_back({std::move(fd), id, name, std::move(names.value()), 0});
        if (m_levels.size() > kOpenLevels)
            m_levels[m_levels.size() - kOpenLevels - 1].fd = UniqueFd();
        return true;
    }

    void removeEntry(int folder, const QByteArray& name) {
        struct stat st;
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            keepFirst(m_result, Status::fail("lstat"));
            return;
        }
        if (!S_ISDIR(st.st_mode)) {
            if (::unlinkat(folder, name.constData(), 0) != 0)
                keepFirst(m_result, Status::fail("unlink"));
            return;
        }
        UniqueFd sub(
            ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        auto id = sub.valid() ? identify(sub.get()) : Result<Identity>::fail("open");
        if (!id) {
            keepFirst(m_result, Status(id.error()));
            return;
        }
        // Another mount, a bind mount of this very file system included: what is there
        // belongs to somewhere outside the tree.
        if (!sameMount(id.value(), m_root)) {
            keepFirst(m_result, Status::fail("cross mount", EXDEV));
            return;
        }
        enter(std::move(sub), id.value(), name);
    }

    // The folder on top is done: go back to its parent and remove it there.
    void leave() {
        Level done = std::move(m_levels.back());
        m_levels.pop_back();
        if (m_levels.empty())
            return;
        Level& parent = m_levels.back();
        if (!parent.fd.valid() && !reopen(done.fd.get(), parent)) {
            m_levels.clear(); // the way back up is lost: nothing above is touched
            return;
        }
        done.fd = UniqueFd();
        if (::unlinkat(parent.fd.get(), done.nameInParent.constData(), AT_REMOVEDIR) != 0)
            keepFirst(m_result, Status::fail("rmdir"));
    }

    // The parent is found again through "..", and only taken when it is the very folder
    // that was left (not something moved into its place meanwhile).
    bool reopen(int childFd, Level& parent) {
        UniqueFd up(::openat(childFd, "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        auto id = up.valid() ? identify(up.get()) : Result<Identity>::fail("open");
        if (!id || id.value().device != parent.id.device || id.value().inode != parent.id.inode) {
            keepFirst(m_result, id ? Status::fail("open", ESTALE) : Status(id.error()));
            return false;
        }
        parent.fd = std::move(up);
        return true;
    }

    Identity m_root;
    std::vector<Level> m_levels;
    Status m_result = success();
};

} // namespace

Status DeleteTree::remove(const QByteArray& path) {
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return Status::fail("lstat");
    if (!S_ISDIR(st.st_mode))
        return ::unlink(path.constData()) == 0 ? success() : Status::fail("unlink");
    UniqueFd fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid())
        return Status::fail("open");
    auto root = identify(fd.get());
    if (!root)
        return root.error();
    Status result = TreeRemover(root.value()).empty(std::move(fd));
    if (::rmdir(path.constData()) != 0)
        keepFirst(result, Status::fail("rmdir"));
    return result;
}
