#include "platform/gui/CopyProgressWindow.h"
#include "platform/gui/CopyRunner.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QWidget* progressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == CopyProgressWindow::kObjectName && w->isVisible())
            return w;
    return nullptr;
}

class CopyRunnerTest : public ::testing::Test {
  protected:
    TempDir m_tmp;
    QByteArray m_to = m_tmp.folder("to");
};

TEST_F(CopyRunnerTest, AQuickCopyShowsNoWindow) {
    const QByteArray file = m_tmp.file("small", "x");
    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { shown = shown || progressWindow(); });
    watch.start(5);
    const Status copied =
        CopyRunner::run({file}, [&](CopyEngine& e) { return e.copyInto(file, m_to); });
    EXPECT_TRUE(copied);
    EXPECT_FALSE(shown);
    EXPECT_EQ(::access((m_to + "/small").constData(), F_OK), 0);
}

TEST_F(CopyRunnerTest, ALongCopyShowsItsWindowWhoseCancelLeavesNothing) {
    const QByteArray large = m_tmp.path() + "/large";
    const int fd = ::open(large.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(fd, qint64(8) * 1024 * 1024 * 1024), 0); // sparse: costs no disk
    ::close(fd);
    QString shownName;
    QTimer::singleShot(CopyRunner::kWindowDelay + 300, [&] {
        QWidget* window = progressWindow();
        ASSERT_TRUE(window);
        shownName = window->findChildren<QLabel*>().value(0)->text();
        window->findChild<QPushButton*>()->click();
    });
    const Status copied =
        CopyRunner::run({large}, [&](CopyEngine& e) { return e.copyInto(large, m_to); });
    EXPECT_EQ(copied.error().code, ECANCELED);
    EXPECT_EQ(shownName, "large");
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_EQ(::rmdir(m_to.constData()), 0) << "nothing may be left in the destination";
}

} // namespace
