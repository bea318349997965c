#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

// Mounting needs a private mount namespace, so that nothing outside the test sees the
// mounts. A test starts its own program again inside one (unshare), running only itself,
// and checks the inner run's result:
//
//     if (!MountNamespace::isInner()) { MountNamespace::runInner(); return; }
//     ... mount and test ...
namespace MountNamespace {

constexpr char kInnerVariable[] = "CLOAKSWITCH_IN_MOUNT_NAMESPACE";

inline bool isInner() {
    return !qgetenv(kInnerVariable).isEmpty();
}

// Runs the current test (or the tests the filter names) inside a new namespace.
inline void runInner(QString filter = {}) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting needs root";
    if (filter.isEmpty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        filter = QString::fromLatin1(test->test_suite_name()) + QLatin1Char('.') +
                 QString::fromLatin1(test->name());
    }
    QProcess inner;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kInnerVariable), QStringLiteral("1"));
    inner.setProcessEnvironment(env);
    inner.start(QStringLiteral("unshare"),
                {QStringLiteral("--mount"), QStringLiteral("--propagation"),
                 QStringLiteral("private"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=") + filter});
    ASSERT_TRUE(inner.waitForFinished(60000));
    const QByteArray out = inner.readAllStandardOutput() + inner.readAllStandardError();
    EXPECT_EQ(inner.exitCode(), 0) << out.constData();
    // A filter that matched nothing would pass without testing anything.
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test") || !filter.contains(QLatin1Char('.')))
        << out.constData();
}

// A file system mounted for the test and unmounted when it ends.
class ScopedMount {
  public:
    ScopedMount(const QByteArray& point, const char* type, const char* options)
        : m_point(point),
          m_ok(::mount("cloakswitch-test", point.constData(), type, 0, options) == 0) {}
    ~ScopedMount() {
        if (m_ok)
            ::umount2(m_point.constData(), MNT_DETACH);
    }
    ScopedMount(const ScopedMount&) = delete;
    ScopedMount& operator=(const ScopedMount&) = delete;
    bool ok() const { return m_ok; }

  private:
    QByteArray m_point;
    bool m_ok;
};

// A read-only view of a folder, bound over itself: same file system, but every change
// through it is refused (EROFS), as on a locked disk.
class ScopedReadOnlyBind {
  public:
    explicit ScopedReadOnlyBind(const QByteArray& folder)
        : m_point(folder),
          m_ok(::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0) {
        m_ok = m_ok && ::mount(nullptr, folder.constData(), nullptr,
                               MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ScopedReadOnlyBind() { ::umount2(m_point.constData(), MNT_DETACH); }
    ScopedReadOnlyBind(const ScopedReadOnlyBind&) = delete;
    ScopedReadOnlyBind& operator=(const ScopedReadOnlyBind&) = delete;
    bool ok() const { return m_ok; }

  private:
    QByteArray m_point;
    bool m_ok;
};

} // namespace MountNamespace
