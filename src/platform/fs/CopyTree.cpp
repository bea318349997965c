#include "platform/fs/CopyEngine.h"

#include "platform/fs/CopyParts.h"
#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/PosixCalls.h"
#include "platform/fs/UniqueFd.h"

#include <QSet>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using PosixCalls::entriesOf;

// Deeper than any real tree; a loop through bind mounts ends here instead of never.
constexpr int kMaxDepth = 1024;

// Reading must not change the source, not even its access time where we may say so.
int openSource(int folder, const QByteArray& name, int flags) {
    flags |= O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    const int fd = ::openat(folder, name.constData(), flags | O_NOATIME);
    if (fd >= 0 || errno != EPERM)
        return fd;
    return ::openat(folder, name.constData(), flags);
}

} // namespace

// One walk of a tree: each entry is looked at once through its folder's descriptor.
class CopyEngine::Walk {
  public:
    Walk(CopyEngine& engine, CopyProgress& progress) : m_engine(engine), m_progress(progress) {}

    Status entry(int sourceFolder, const QByteArray& name, const QByteArray& sourcePath,
                 int targetFolder, const QByteArray& targetName, const QByteArray& targetPath,
                 int depth) {
        if (m_progress.cancelled)
            return Status::fail("copy", ECANCELED);
        m_progress.setCurrent(sourcePath);
        struct stat st {};
        if (::fstatat(sourceFolder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return failedAt(sourcePath, Status::fail("lstat"));
        Result<std::vector<NamedAttribute>> leftover = std::vector<NamedAttribute>();
        if (S_ISREG(st.st_mode)) {
            leftover = file(sourceFolder, name, targetFolder, targetName);
        } else if (S_ISDIR(st.st_mode)) {
            leftover =
                folder(sourceFolder, name, sourcePath, targetFolder, targetName, targetPath, depth);
        } else if (S_ISLNK(st.st_mode)) {
            leftover = link(sourceFolder, name, st, targetFolder, targetName);
        } else if (S_ISFIFO(st.st_mode)) {
            leftover = fifo(st, targetFolder, targetName);
        } else if (depth == 0) {
            return failedAt(sourcePath, Status::fail("copy", ENOTSUP));
        } else {
            m_engine.m_skipped.push_back({sourcePath, SysError{"copy", ENOTSUP}});
            return success();
        }
        if (!leftover)
            return failedAt(sourcePath, leftover.error());
        if (!CopyParts::isCompanionName(name)) {
            Status companion = CopyParts::copyCompanion(sourceFolder, name, targetFolder,
                                                        targetName, leftover.value());
            if (!companion)
                return failedAt(sourcePath, companion);
        }
        ++m_progress.itemsDone;
        return success();
    }

  private:
    Status failedAt(const QByteArray& sourcePath, Status s) {
        if (m_engine.m_failedPath.isEmpty())
            m_engine.m_failedPath = sourcePath;
        return s;
    }

    Result<std::vector<NamedAttribute>> file(int sourceFolder, const QByteArray& name,
                                             int targetFolder, const QByteArray& targetName) {
        const UniqueFd in(openSource(sourceFolder, name, 0));
        if (!in.valid())
            return Status::fail("open").error();
        struct stat st {};
        if (::fstat(in.get(), &st) != 0)
            return Status::fail("fstat").error();
        if (!S_ISREG(st.st_mode))
            return Status::fail("open", EAGAIN).error(); // replaced while we looked
        UniqueFd out(::openat(targetFolder, targetName.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!out.valid())
            return Status::fail("create").error();
        if (Status s = CopyParts::copyData(in.get(), out.get(), m_progress); !s)
            return s.error();
        auto leftover = CopyParts::copyAttributes(in.get(), out.get());
        if (!leftover)
            return leftover;
        if (Status s = CopyParts::finishOpen(out.get(), st, false); !s)
            return s.error();
        // Errors of delayed writes (network file systems) surface only here.
        if (::close(out.release()) != 0)
            return Status::fail("close").error();
        // Dates last: FUSE file systems write cached data back at close, which would
        // date the copy now.
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        if (::utimensat(targetFolder, targetName.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
            return Status::fail("utimensat").error();
        return leftover;
    }

    Result<std::vector<NamedAttribute>> folder(int sourceFolder, const QByteArray& name,
                                               const QByteArray& sourcePath, int targetFolder,
                                               const QByteArray& targetName,
                                               const QByteArray& targetPath, int depth) {
        if (depth >= kMaxDepth)
            return Status::fail("copy", ELOOP).error();
        const UniqueFd in(openSource(sourceFolder, name, O_DIRECTORY));
        if (!in.valid())
            return Status::fail("open").error();
        struct stat st {};
        if (::fstat(in.get(), &st) != 0)
            return Status::fail("fstat").error();
        if (::mkdirat(targetFolder, targetName.constData(), 0700) != 0)
            return Status::fail("mkdir").error();
        const UniqueFd out(::openat(targetFolder, targetName.constData(),
                                    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!out.valid())
            return Status::fail("open").error();
        auto leftover = CopyParts::copyAttributes(in.get(), out.get());
        if (!leftover)
            return leftover;
        if (Status s = contents(in.get(), sourcePath, out.get(), targetPath, depth); !s)
            return s.error();
        if (Status s = CopyParts::finishOpen(out.get(), st); !s)
            return s.error();
        return leftover;
    }

    Status contents(int in, const QByteArray& sourcePath, int out, const QByteArray& targetPath,
                    int depth) {
        const auto names = entriesOf(in);
        if (!names)
            return names.error();
        const QSet<QByteArray> present(names.value().begin(), names.value().end());
        for (const QByteArray& entryName : names.value()) {
            // A companion goes along with its item, never on its own.
            if (CopyParts::isCompanionName(entryName) && present.contains(entryName.mid(2)))
                continue;
            const QByteArray entryPath = FolderItemPaths::join(sourcePath, entryName);
            if (m_engine.acceptEntry && !m_engine.acceptEntry(entryPath))
                continue;
            const QByteArray copyPath = FolderItemPaths::join(targetPath, entryName);
            if (Status s = entry(in, entryName, entryPath, out, entryName, copyPath, depth + 1); !s)
                return s;
            if (m_engine.entryCopied)
                m_engine.entryCopied(entryPath, copyPath);
        }
        return success();
    }

    Result<std::vector<NamedAttribute>> link(int sourceFolder, const QByteArray& name,
                                             const struct stat& st, int targetFolder,
                                             const QByteArray& targetName) {
        QByteArray target(qsizetype(st.st_size > 0 ? st.st_size : 256) + 1, Qt::Uninitialized);
        const ssize_t n =
            ::readlinkat(sourceFolder, name.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return Status::fail("readlink").error();
        if (n >= target.size())
            return Status::fail("readlink", EAGAIN).error(); // changed while we looked
        target.truncate(n);
        if (::symlinkat(target.constData(), targetFolder, targetName.constData()) != 0)
            return Status::fail("symlink").error();
        return finishNamed(st, targetFolder, targetName);
    }

    Result<std::vector<NamedAttribute>> fifo(const struct stat& st, int targetFolder,
                                             const QByteArray& targetName) {
        if (::mkfifoat(targetFolder, targetName.constData(), 0600) != 0)
            return Status::fail("mkfifo").error();
        if (::fchmodat(targetFolder, targetName.constData(), st.st_mode & 07777, 0) != 0 &&
            !CopyParts::modesUnsupported(errno))
            return Status::fail("chmod").error();
        return finishNamed(st, targetFolder, targetName);
    }

    // Owner and dates of an item that cannot be opened for writing (a link, a FIFO).
    Result<std::vector<NamedAttribute>> finishNamed(const struct stat& st, int targetFolder,
                                                    const QByteArray& targetName) {
        if (::geteuid() == 0)
            (void)::fchownat(targetFolder, targetName.constData(), st.st_uid, st.st_gid,
                             AT_SYMLINK_NOFOLLOW);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        if (::utimensat(targetFolder, targetName.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
            return Status::fail("utimensat").error();
        return std::vector<NamedAttribute>();
    }

    CopyEngine& m_engine;
    CopyProgress& m_progress;
};

Status CopyEngine::copyEntry(int sourceFolder, const QByteArray& source, int targetFolder,
                             const QByteArray& target) {
    Walk walk(*this, *m_progress);
    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    const QByteArray targetName = target.mid(target.lastIndexOf('/') + 1);
    return walk.entry(sourceFolder, name, source, targetFolder, targetName, target, 0);
}
