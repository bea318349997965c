#include "platform/fs/CopyEngine.h"
#include "platform/fs/CopyParts.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

namespace {

// Small enough that a cancel is seen within a few milliseconds, large enough that the
// calls cost nothing next to the data.
constexpr size_t kChunk = 32 * 1024 * 1024;
constexpr size_t kBufferSize = 1024 * 1024;

// copy_file_range answers these when it cannot work between the two files at all.
bool rangeCopyUnavailable(int code) {
    return code == EXDEV || code == EINVAL || code == ENOSYS || code == EOPNOTSUPP ||
           code == EBADF || code == ETXTBSY;
}

Status cancelled() {
    return Status::fail("copy", ECANCELED);
}

Status readAndWrite(int from, int to, CopyProgress& progress) {
    std::vector<char> buffer(kBufferSize);
    for (;;) {
        if (progress.cancelled)
            return cancelled();
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Status::fail("read");
        if (got == 0)
            return success();
        ssize_t put = 0;
        while (put < got) {
            const ssize_t n = ::write(to, buffer.data() + put, size_t(got - put));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return Status::fail("write", n < 0 ? errno : EIO);
            put += n;
        }
        progress.bytesDone += got;
    }
}

} // namespace

namespace CopyParts {

Status copyData(int from, int to, CopyProgress& progress) {
    struct stat st {};
    if (::fstat(from, &st) != 0)
        return Status::fail("fstat");
    if (st.st_size > 0 && ::ioctl(to, FICLONE, from) == 0) {
        progress.bytesDone += st.st_size;
        return success();
    }
    ::posix_fadvise(from, 0, 0, POSIX_FADV_SEQUENTIAL);
    qint64 done = 0;
    for (;;) {
        if (progress.cancelled)
            return cancelled();
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, kChunk, 0);
        if (n > 0) {
            done += n;
            progress.bytesDone += n;
            continue;
        }
        if (n == 0)
            return success();
        if (errno == EINTR)
            continue;
        if (done == 0 && rangeCopyUnavailable(errno))
            return readAndWrite(from, to, progress);
        return Status::fail("copy_file_range");
    }
}

} // namespace CopyParts
