#include "platform/fs/CompanionFile.h"

#include "platform/fs/ReplaceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool ok() const { return m_fd >= 0; }
    int release()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// O_NONBLOCK keeps a FIFO under the companion's name from hanging the open.
constexpr int kOpenFlags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

Status requireRegular(int fd, struct stat* st)
{
    if (::fstat(fd, st) != 0)
        return Status::fail("fstat");
    if (!S_ISREG(st->st_mode))
        return Status::fail("open", EINVAL);
    return success();
}

Status writeAll(int fd, const QByteArray& bytes, off_t offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                             offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Status::fail("pwrite", n < 0 ? errno : EIO);
        done += n;
    }
    return success();
}

Status closeChecked(Fd& fd)
{
    return ::close(fd.release()) == 0 ? success() : Status::fail("close");
}

} // namespace

namespace CompanionFile {

Result<QByteArray> read(const QByteArray& path)
{
    Fd fd(::open(path.constData(), O_RDONLY | kOpenFlags));
    if (!fd.ok())
        return Result<QByteArray>::fail("open");
    struct stat st {};
    if (Status s = requireRegular(fd.get(), &st); !s)
        return s.error();
    if (st.st_size > kMaxSize)
        return Result<QByteArray>::fail("read", EFBIG);
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pread(fd.get(), bytes.data() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Result<QByteArray>::fail("pread");
        if (n == 0)
            break; // shrank meanwhile: parse what is there
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

Status patch(const QByteArray& path, qint64 offset, const QByteArray& bytes)
{
    Fd fd(::open(path.constData(), O_WRONLY | kOpenFlags));
    if (!fd.ok())
        return Status::fail("open");
    struct stat st {};
    if (Status s = requireRegular(fd.get(), &st); !s)
        return s;
    if (offset + bytes.size() > st.st_size)
        return Status::fail("pwrite", ESPIPE); // changed since it was read
    if (Status s = writeAll(fd.get(), bytes, off_t(offset)); !s)
        return s;
    return closeChecked(fd);
}

// Creates a file that did not exist; a failure after creating it removes it again.
static Status writeNew(const QByteArray& path, const QByteArray& bytes)
{
    Fd fd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | kOpenFlags, 0644));
    if (!fd.ok())
        return Status::fail("open");
    Status s = writeAll(fd.get(), bytes, 0);
    if (s.ok())
        s = closeChecked(fd);
    if (!s)
        ::unlink(path.constData());
    return s;
}

Status replace(const QByteArray& path, const QByteArray& bytes)
{
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return Status::fail("lstat");
    return ReplaceFile::write(path, bytes, {.sync = false, .requireRegular = true});
}

Status create(const QByteArray& path, const QByteArray& bytes)
{
    return writeNew(path, bytes);
}

Status remove(const QByteArray& path)
{
    return ::unlink(path.constData()) == 0 ? success() : Status::fail("unlink");
}

bool isMissing(const SysError& e) { return e.code == ENOENT; }

} // namespace CompanionFile
