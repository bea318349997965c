#include "platform/gui/CopyRunner.h"

#include "platform/gui/CopyProgressWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

namespace CopyRunner {

namespace {

// Wakes the waiting loop now and then, so that the delay is noticed without events.
constexpr int kWakeMs = 20;

} // namespace

Status run(const std::vector<QByteArray>& sources, const std::function<Status(CopyEngine&)>& work) {
    CopyProgress progress;
    CopyEngine engine(&progress);
    Status result = success();
    bool finished = false;

    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        const CopyTotals totals = CopyEngine::measure(sources);
        progress.itemsTotal = totals.items;
        progress.bytesTotal = totals.bytes;
        result = work(engine);
    }));
    QObject::connect(thread.get(), &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer wake;
    wake.start(kWakeMs);
    thread->start();

    // The first moments: nothing to show yet, and no clicks reach the window meanwhile.
    QElapsedTimer clock;
    clock.start();
    while (!finished && clock.elapsed() < kWindowDelay)
        loop.processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    if (!finished) {
        CopyProgressWindow window(progress);
        window.show();
        loop.exec();
        window.hide();
    }
    thread->wait();
    return result;
}

} // namespace CopyRunner
