#pragma once

#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

// Tests that mount run inside a private mount namespace, so that nothing outside sees
// their mounts: the test starts this program again under unshare for itself alone, and
// the inner run does the work.
namespace MountNamespace {

constexpr char kInner[] = "CLOAKSWITCH_IN_MOUNT_NAMESPACE";

inline bool inside() {
    return !qgetenv(kInner).isEmpty();
}

inline void runCurrentTestInside() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter =
        QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name());
    QProcess inner;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kInner, "1");
    inner.setProcessEnvironment(env);
    inner.start("unshare", {"--mount", "--propagation", "private",
                            QCoreApplication::applicationFilePath(), filter});
    ASSERT_TRUE(inner.waitForFinished(300000));
    EXPECT_EQ(inner.exitCode(), 0)
        << inner.readAllStandardOutput().constData() << inner.readAllStandardError().constData();
}

// A mount that goes when the guard does (before the temporary folder holding it).
class Mount {
  public:
    Mount() = default;
    ~Mount() {
        if (!m_point.isEmpty())
            ::umount2(m_point.constData(), MNT_DETACH);
    }
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;

    bool tmpfs(const QByteArray& point, const QByteArray& options) {
        return done(point, ::mount("cstest", point.constData(), "tmpfs", 0, options.constData()));
    }
    bool bind(const QByteArray& from, const QByteArray& point, bool readOnly = false) {
        if (!done(point, ::mount(from.constData(), point.constData(), nullptr, MS_BIND, nullptr)))
            return false;
        return !readOnly || ::mount(nullptr, point.constData(), nullptr,
                                    MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    // A small ext4 file system made in an image file beside the mount point: the one
    // where immutable and append-only flags are sure to work.
    bool ext4(const QByteArray& image, const QByteArray& point) {
        const int fd = ::open(image.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const bool sized = fd >= 0 && ::ftruncate(fd, 16 << 20) == 0;
        if (fd >= 0)
            ::close(fd);
        if (!sized)
            return false;
        if (QProcess::execute("mkfs.ext4", {"-q", "-F", QFile::decodeName(image)}) != 0)
            return false;
        return done(point, QProcess::execute("mount", {"-o", "loop", QFile::decodeName(image),
                                                       QFile::decodeName(point)}));
    }

  private:
    bool done(const QByteArray& point, int rc) {
        if (rc == 0)
            m_point = point;
        return rc == 0;
    }
    QByteArray m_point;
};

} // namespace MountNamespace

// Runs the rest of the test body inside a private mount namespace.
#define CS_IN_MOUNT_NAMESPACE()                                                                    \
    do {                                                                                           \
        if (!MountNamespace::inside()) {                                                           \
            if (::geteuid() != 0)                                                                  \
                GTEST_SKIP() << "mounting needs root";                                             \
            MountNamespace::runCurrentTestInside();                                                \
            return;                                                                                \
        }                                                                                          \
    } while (false)
