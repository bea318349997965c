#include "platform/fs/DeleteTree.h"

#include "support/MountNamespace.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool present(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

// Builds a chain of folders far deeper than PATH_MAX allows to name, through descriptors.
bool makeChain(const QByteArray& top, int levels) {
    if (::mkdir(top.constData(), 0755) != 0)
        return false;
    int fd = ::open(top.constData(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < levels && fd >= 0; ++i) {
        if (::mkdirat(fd, "d", 0755) != 0) {
            ::close(fd);
            return false;
        }
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    if (fd < 0)
        return false;
    const int file = ::openat(fd, "leaf", O_WRONLY | O_CREAT, 0644);
    ::close(fd);
    if (file < 0)
        return false;
    ::close(file);
    return true;
}

// A bind mount of a folder outside the tree, made inside it: the same file system and the
// same device number, only the mount differs.
TEST(DeleteTree, BindMountInsideTheTreeIsRefusedAndNothingOutsideIsTouched) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    tmp.folder("outside");
    tmp.file("outside/keep.txt", "keep");
    tmp.folder("outside/sub");
    tmp.file("outside/sub/also", "also");
    tmp.folder("tree");
    tmp.file("tree/plain", "x");
    tmp.folder("tree/mnt");
    MountNamespace::Mount bind;
    ASSERT_TRUE(bind.bind(tmp / "outside", tmp / "tree/mnt"));

    EXPECT_FALSE(DeleteTree::remove(tmp / "tree"));
    EXPECT_TRUE(present(tmp / "outside/keep.txt"));
    EXPECT_TRUE(present(tmp / "outside/sub/also"));
    EXPECT_TRUE(present(tmp / "tree/mnt/keep.txt"));
    EXPECT_FALSE(present(tmp / "tree/plain"));
}

// On tmpfs, so that a busy disk does not make the 200,000 folder operations crawl.
TEST(DeleteTree, DeepTreeDeletesWithFewDescriptors) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    MountNamespace::Mount memory;
    ASSERT_TRUE(memory.tmpfs(tmp.folder("mem"), "size=8m"));
    constexpr int kLevels = 100'000;
    ASSERT_TRUE(makeChain(tmp / "mem/deep", kLevels));
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    rlimit low = old;
    low.rlim_cur = std::min<rlim_t>(1024, old.rlim_max);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    const Status removed = DeleteTree::remove(tmp / "mem/deep");
    ::setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_TRUE(removed) << removed.error().operation << " " << removed.error().code;
    EXPECT_FALSE(present(tmp / "mem/deep"));
}

} // namespace
