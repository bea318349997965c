#include "CopyFixture.h"
#include "support/MountNamespace.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

using namespace copytest;

// Failures in the middle of a copy; the tests that mount (a full disk, a read-only
// destination) run inside a private mount namespace.
namespace {

class CopyFaults : public ::testing::Test {
  protected:
    // The destination must hold exactly what it held before; the source is unchanged.
    void expectNothingChanged(const QStringList& destinationBefore, const QString& sourceBefore) {
        EXPECT_EQ(namesIn(m_to), destinationBefore);
        EXPECT_EQ(describe(m_tmp.path(), "from", true).toStdString(), sourceBefore.toStdString());
    }

    void makeTree() {
        ::mkdir((m_from + "/Tree").constData(), 0755);
        for (int i = 0; i < 4; ++i) {
            const QByteArray file = m_from + "/Tree/part" + QByteArray::number(i);
            bigFile(file, 400 * 1024);
            setXattr(file, "user.com.apple.FinderInfo", finderBytes("TEXT", "ttxt", 0));
        }
    }

    TempDir m_tmp;
    QByteArray m_from = m_tmp.folder("from");
    QByteArray m_to = m_tmp.folder("to");
};

TEST_F(CopyFaults, FullDestinationLeavesNothing) {
    CS_IN_MOUNT_NAMESPACE();
    makeTree();
    bigFile(m_from + "/Large", 3 * 1024 * 1024);
    MountNamespace::Mount full;
    ASSERT_TRUE(full.tmpfs(m_to, "size=1m"));
    const QString before = describe(m_tmp.path(), "from", true);
    for (const char* name : {"Tree", "Large"}) {
        CopyEngine engine;
        const Status copied = engine.copyInto(m_from + "/" + name, m_to);
        EXPECT_EQ(copied.error().code, ENOSPC) << name;
    }
    expectNothingChanged({}, before);
}

TEST_F(CopyFaults, ReadOnlyDestinationLeavesNothing) {
    CS_IN_MOUNT_NAMESPACE();
    makeTree();
    MountNamespace::Mount readOnly;
    ASSERT_TRUE(readOnly.bind(m_to, m_to, true));
    const QString before = describe(m_tmp.path(), "from", true);
    CopyEngine engine;
    EXPECT_EQ(engine.copyInto(m_from + "/Tree", m_to).error().code, EROFS);
    expectNothingChanged({}, before);
}

TEST_F(CopyFaults, FailedReplaceKeepsTheOldItem) {
    CS_IN_MOUNT_NAMESPACE();
    bigFile(m_from + "/Report", 3 * 1024 * 1024);
    MountNamespace::Mount full;
    ASSERT_TRUE(full.tmpfs(m_to, "size=1m"));
    const QByteArray old = m_to + "/Report";
    bigFile(old, 1000);
    setXattr(old, "user.com.apple.FinderInfo", finderBytes("TEXT", "old!", 0));
    const QString oldBefore = describe(m_to, "Report");
    const QString before = describe(m_tmp.path(), "from", true);
    CopyEngine engine;
    EXPECT_EQ(engine.copyReplacing(m_from + "/Report", m_to, "Report").error().code, ENOSPC);
    EXPECT_EQ(describe(m_to, "Report"), oldBefore);
    expectNothingChanged({"Report"}, before);
}

TEST_F(CopyFaults, DestinationWithoutWritePermissionLeavesNothing) {
    makeTree();
    ::chmod(m_tmp.path().constData(), 0755);
    ::chmod(m_to.constData(), 0555);
    const QString before = describe(m_tmp.path(), "from", true);
    // Root writes anywhere: the copy runs as nobody.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        CopyEngine engine;
        ::_exit(engine.copyInto(m_from + "/Tree", m_to).error().code == EACCES ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    expectNothingChanged({}, before);
}

TEST_F(CopyFaults, SourceRemovedMidwayFailsThatItemOnly) {
    makeTree();
    m_tmp.file("from/After", "after");
    CopyEngine engine;
    // The first entry looked at takes its siblings away before they are copied.
    QByteArray firstSeen;
    engine.acceptEntry = [&](const QByteArray& source) {
        if (firstSeen.isEmpty()) {
            firstSeen = source;
            for (char i : {'0', '1', '2', '3'})
                if (source.back() != i)
                    ::unlink((source.chopped(1) + i).constData());
        }
        return true;
    };
    const Status first = engine.copyInto(m_from + "/Tree", m_to);
    EXPECT_EQ(first.error().code, ENOENT);
    EXPECT_TRUE(engine.failedPath().contains("/Tree/part")) << engine.failedPath().constData();
    EXPECT_NE(engine.failedPath(), firstSeen);
    EXPECT_EQ(namesIn(m_to), QStringList{});
    // The rest of the batch goes on.
    EXPECT_TRUE(engine.copyInto(m_from + "/After", m_to));
    EXPECT_EQ(namesIn(m_to), QStringList{"After"});
    EXPECT_EQ(engine.copyInto(m_from + "/Gone", m_to).error().code, ENOENT);
}

TEST_F(CopyFaults, CancelInTheMiddleOfALargeCopyStopsSoonAndLeavesNothing) {
    // Sparse, so that making it costs nothing; copying it still reads every byte.
    const QByteArray large = m_from + "/Large";
    const int fd = ::open(large.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, qint64(1024) * 1024 * 1024), 0);
    ::close(fd);
    struct stat before {};
    ::lstat(large.constData(), &before);

    CopyProgress progress;
    CopyEngine engine(&progress);
    Status result = success();
    std::thread worker([&] { result = engine.copyInto(large, m_to); });
    while (progress.bytesDone == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto cancelledAt = std::chrono::steady_clock::now();
    progress.cancelled = true;
    worker.join();
    const auto took = std::chrono::steady_clock::now() - cancelledAt;
    EXPECT_EQ(result.error().code, ECANCELED);
    EXPECT_LT(took, std::chrono::milliseconds(500));
    EXPECT_EQ(namesIn(m_to), QStringList{});
    struct stat after {};
    ::lstat(large.constData(), &after);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_atim.tv_nsec, before.st_atim.tv_nsec);
}

} // namespace
