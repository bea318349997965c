#include "platform/fs/CopyEngine.h"

#include "platform/fs/CopyParts.h"
#include "platform/fs/DeleteTree.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/PosixCalls.h"
#include "platform/fs/UniqueFd.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FolderItemPaths::folderOf;
using FolderItemPaths::isValidName;
using FolderItemPaths::join;
using FolderItemPaths::lastName;
using PosixCalls::present;
using PosixCalls::renameNoReplace;

QByteArray companionOf(const QByteArray& path) {
    return join(folderOf(path), "._" + lastName(path));
}

// Moves an item and its companion; the item goes back when its companion cannot follow.
Status renameWithCompanion(const QByteArray& from, const QByteArray& to) {
    const bool withCompanion = present(companionOf(from));
    if (withCompanion && present(companionOf(to)))
        return Status::fail("rename", EEXIST);
    if (Status s = renameNoReplace(from, to); !s)
        return s;
    if (withCompanion) {
        if (Status s = renameNoReplace(companionOf(from), companionOf(to)); !s) {
            renameNoReplace(to, from);
            return s;
        }
    }
    return success();
}

// The canonical form of a folder, to see whether a copy would land inside its source.
QByteArray canonical(const QByteArray& path) {
    char* real = ::realpath(path.constData(), nullptr);
    if (!real)
        return path;
    QByteArray out(real);
    ::free(real);
    return out;
}

bool isWithin(const QByteArray& inner, const QByteArray& outer) {
    return inner == outer || inner.startsWith(outer.endsWith('/') ? outer : outer + "/");
}

// Entries directly inside a folder; -1 for anything else.
qint64 entryCount(const QByteArray& path) {
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return -1;
    qint64 n = 0;
    while (::readdir(dir))
        ++n;
    ::closedir(dir);
    return n;
}

UniqueFd openFolder(const QByteArray& path) {
    return UniqueFd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

} // namespace

void CopyProgress::setCurrent(const QByteArray& sourcePath) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_current = sourcePath;
}

QByteArray CopyProgress::current() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_current;
}

CopyEngine::CopyEngine(CopyProgress* progress) : m_progress(progress ? progress : &m_ownProgress) {}

QByteArray CopyEngine::temporaryName(const QByteArray& folder) {
    static std::atomic<unsigned> counter{0};
    for (;;) {
        const QByteArray name =
            ".cs-" + QByteArray::number(::getpid(), 36) + "-" + QByteArray::number(counter++, 36);
        if (!present(join(folder, name)) && !present(join(folder, "._" + name)))
            return name;
    }
}

void CopyEngine::discard(const QByteArray& path) {
    if (present(path))
        DeleteTree::remove(path);
    ::unlink(companionOf(path).constData());
}

Status CopyEngine::copyItem(const QByteArray& source, const QByteArray& target) {
    const UniqueFd from = openFolder(folderOf(source));
    const UniqueFd to = openFolder(folderOf(target));
    if (!from.valid() || !to.valid())
        return Status::fail("open");
    return copyEntry(from.get(), source, to.get(), target);
}

Status CopyEngine::copyToTemporary(const QByteArray& source, const QByteArray& folder,
                                   QByteArray& temporary) {
    m_failedPath.clear();
    if (!present(source)) {
        m_failedPath = source;
        return Status::fail("lstat");
    }
    // A folder copied into itself would never end.
    if (isWithin(canonical(folder), join(canonical(folderOf(source)), lastName(source))))
        return Status::fail("copy", EINVAL);
    temporary = join(folder, temporaryName(folder));
    Status copied = copyItem(source, temporary);
    if (copied && m_progress->cancelled)
        copied = Status::fail("copy", ECANCELED);
    if (!copied)
        discard(temporary);
    return copied;
}

Status CopyEngine::copyInto(const QByteArray& source, const QByteArray& folder,
                            const QByteArray& name) {
    const QByteArray finalName = name.isEmpty() ? lastName(source) : name;
    if (!isValidName(finalName))
        return Status::fail("copy", EINVAL);
    const QByteArray target = join(folder, finalName);
    if (present(target))
        return Status::fail("copy", EEXIST);
    QByteArray temporary;
    if (Status s = copyToTemporary(source, folder, temporary); !s)
        return s;
    const qint64 entries = entryCount(temporary);
    Status placed = renameWithCompanion(temporary, target);
    if (!placed) {
        discard(temporary);
        return placed;
    }
    if (entryCount(target) == entries)
        return success();
    // The FUSE FAT driver empties a folder it renames. Where a folder cannot be renamed
    // whole, it is made again under its final name, and removed should that fail.
    discard(target);
    Status direct = copyItem(source, target);
    if (!direct)
        discard(target);
    return direct;
}

Status CopyEngine::copyReplacing(const QByteArray& source, const QByteArray& folder,
                                 const QByteArray& name) {
    const QByteArray target = join(folder, name);
    if (!present(target))
        return copyInto(source, folder, name);
    // Deleting the old item would delete the source with it.
    if (isWithin(join(canonical(folderOf(source)), lastName(source)), join(canonical(folder), name)))
        return Status::fail("copy", EINVAL);
    QByteArray temporary;
    if (Status s = copyToTemporary(source, folder, temporary); !s)
        return s;
    Status swapped = swapIn(temporary, target);
    if (!swapped)
        discard(temporary);
    return swapped;
}

Status CopyEngine::makeFolder(const QByteArray& source, const QByteArray& target) {
    const UniqueFd in(::open(source.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.valid())
        return Status::fail("open");
    if (::mkdir(target.constData(), 0700) != 0)
        return Status::fail("mkdir");
    const UniqueFd out(::open(target.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    const UniqueFd sourceFolder = openFolder(folderOf(source));
    const UniqueFd targetFolder = openFolder(folderOf(target));
    if (!out.valid() || !sourceFolder.valid() || !targetFolder.valid())
        return Status::fail("open");
    auto leftover = CopyParts::copyAttributes(in.get(), out.get());
    if (!leftover)
        return leftover.error();
    return CopyParts::copyCompanion(sourceFolder.get(), lastName(source), targetFolder.get(),
                                    lastName(target), leftover.value());
}

Status CopyEngine::finishFolder(const QByteArray& source, const QByteArray& target) {
    struct stat st {};
    if (::lstat(source.constData(), &st) != 0)
        return Status::fail("lstat");
    const UniqueFd out(::open(target.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!out.valid())
        return Status::fail("open");
    return CopyParts::finishOpen(out.get(), st);
}

namespace {

bool exchangeUnsupported(int code) {
    return code == EINVAL || code == ENOSYS || code == ENOTSUP;
}

// After the two items changed places, their companions change too, so that each stands
// beside its own item again.
Status exchangeCompanions(const QByteArray& a, const QByteArray& b) {
    const QByteArray ca = companionOf(a), cb = companionOf(b);
    const bool hasA = present(ca), hasB = present(cb);
    if (hasA && hasB) {
        if (::renameat2(AT_FDCWD, ca.constData(), AT_FDCWD, cb.constData(), RENAME_EXCHANGE) == 0)
            return success();
        return Status::fail("rename");
    }
    if (hasA)
        return renameNoReplace(ca, cb);
    if (hasB)
        return renameNoReplace(cb, ca);
    return success();
}

// Without an exchange: the old item steps aside under a temporary name, the new one
// takes its place, and on any failure the old one comes back.
Status swapByRenaming(const QByteArray& fresh, const QByteArray& target) {
    const QByteArray aside = join(folderOf(target), CopyEngine::temporaryName(folderOf(target)));
    if (Status s = renameWithCompanion(target, aside); !s)
        return s;
    if (Status s = renameWithCompanion(fresh, target); !s) {
        renameWithCompanion(aside, target);
        return s;
    }
    CopyEngine::discard(aside);
    return success();
}

void addMeasure(int folder, const QByteArray& name, CopyTotals& totals, int depth) {
    struct stat st {};
    if (depth > 1024 || ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    ++totals.items;
    if (S_ISREG(st.st_mode))
        totals.bytes += st.st_size;
    if (!S_ISDIR(st.st_mode))
        return;
    const UniqueFd sub(
        ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    DIR* dir = sub.valid() ? ::fdopendir(::dup(sub.get())) : nullptr;
    if (!dir)
        return;
    std::vector<QByteArray> names;
    while (const dirent* e = ::readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
    ::closedir(dir);
    for (const QByteArray& entry : names)
        addMeasure(sub.get(), entry, totals, depth + 1);
}

} // namespace

Status CopyEngine::swapIn(const QByteArray& fresh, const QByteArray& target) {
    const qint64 entries = entryCount(fresh);
    Status swapped = success();
    if (::renameat2(AT_FDCWD, fresh.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) !=
        0) {
        if (errno == ENOENT && present(fresh) && !present(target))
            swapped = renameWithCompanion(fresh, target);
        else if (!exchangeUnsupported(errno))
            return Status::fail("rename");
        else
            swapped = swapByRenaming(fresh, target);
    } else if (Status s = exchangeCompanions(fresh, target); !s) {
        ::renameat2(AT_FDCWD, fresh.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE);
        return s;
    } else {
        discard(fresh); // the old item, now under the temporary name
    }
    // A folder that a broken driver emptied on the way is no replacement.
    if (swapped && entryCount(target) != entries)
        return Status::fail("rename", EIO);
    return swapped;
}

CopyTotals CopyEngine::measure(const std::vector<QByteArray>& sources) {
    CopyTotals totals;
    for (const QByteArray& source : sources) {
        const UniqueFd folder = openFolder(folderOf(source));
        if (folder.valid())
            addMeasure(folder.get(), lastName(source), totals, 0);
    }
    return totals;
}
