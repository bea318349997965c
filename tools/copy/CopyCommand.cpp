#include "copy/CopyCommand.h"

#include "platform/fs/CopyEngine.h"
#include "platform/fs/ErrorText.h"

#include <QString>
#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kUsage[] =
    "Usage: cloakswitch-copy SOURCE... FOLDER\n"
    "Copies each SOURCE into FOLDER under its own name, keeping everything a Mac file\n"
    "carries: data, resource fork, Finder information, every other user attribute, the\n"
    "._NAME companion beside it, permissions and modification dates. Links are copied as\n"
    "links, folders whole. On a disk without extended attributes (FAT, exFAT) the Finder\n"
    "information, resource fork and attributes go into a ._NAME companion, as macOS\n"
    "writes it.\n"
    "Each copy is made under a temporary name and renamed into place only when\n"
    "complete. A name already in FOLDER is reported and skipped: nothing is replaced.\n"
    "Interrupting the copy removes the item being copied.\n"
    "\n"
    "  --help   show this text\n"
    "\n"
    "Messages: cloakswitch-copy: NAME: REASON\n"
    "Exit status: 0 every item arrived, 1 some did not, 2 bad usage.\n";

constexpr auto kProgressInterval = std::chrono::milliseconds(200);

CopyProgress* g_progress = nullptr;

void cancelOnSignal(int) {
    if (g_progress)
        g_progress->cancelled = true; // lock-free: safe in a signal handler
}

void message(FILE* err, const QByteArray& name, const QString& reason) {
    std::fprintf(err, "cloakswitch-copy: %s: %s\n", name.constData(),
                 reason.toLocal8Bit().constData());
}

QByteArray withoutTrailingSlashes(QByteArray path) {
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

bool isFolder(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

void printProgress(FILE* err, const CopyProgress& p, const QByteArray& source) {
    const QByteArray current = p.current();
    std::fprintf(
        err, "\r\033[K%lld/%lld items, %.1f/%.1f MB: %s", (long long)p.itemsDone,
        (long long)p.itemsTotal, double(p.bytesDone) / 1e6, double(p.bytesTotal) / 1e6,
        (current.isEmpty() ? source : current.mid(current.lastIndexOf('/') + 1)).constData());
    std::fflush(err);
}

// One source; the copy runs on a thread of its own so that a terminal sees it move.
Status copyOne(CopyEngine& engine, CopyProgress& progress, const QByteArray& source,
               const QByteArray& folder, FILE* err) {
    if (!::isatty(::fileno(err)))
        return engine.copyInto(source, folder);
    const CopyTotals totals = CopyEngine::measure({source});
    progress.itemsTotal = totals.items;
    progress.bytesTotal = totals.bytes;
    progress.itemsDone = 0;
    progress.bytesDone = 0;
    Status result = success();
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = engine.copyInto(source, folder);
        done = true;
    });
    while (!done) {
        printProgress(err, progress, source);
        for (auto waited = std::chrono::milliseconds(0); !done && waited < kProgressInterval;
             waited += std::chrono::milliseconds(10))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    worker.join();
    std::fputs("\r\033[K", err);
    return result;
}

} // namespace

const char* copyUsageText() {
    return kUsage;
}

int runCopyCommand(const QList<QByteArray>& args, FILE* out, FILE* err) {
    QList<QByteArray> paths;
    bool optionsEnd = false;
    for (const QByteArray& a : args) {
        if (!optionsEnd && a == "--help") {
            std::fputs(kUsage, out);
            return 0;
        }
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && a.startsWith('-') && a != "-") {
            std::fprintf(err, "cloakswitch-copy: unknown option %s\n%s", a.constData(), kUsage);
            return 2;
        } else {
            paths.append(a);
        }
    }
    if (paths.size() < 2) {
        std::fprintf(err, "cloakswitch-copy: a SOURCE and a FOLDER are needed\n%s", kUsage);
        return 2;
    }
    const QByteArray folder = withoutTrailingSlashes(paths.takeLast());
    if (!isFolder(folder)) {
        message(err, folder, QStringLiteral("not a folder"));
        return 2;
    }

    CopyProgress progress;
    CopyEngine engine(&progress);
    g_progress = &progress;
    std::signal(SIGINT, cancelOnSignal);
    std::signal(SIGTERM, cancelOnSignal);
    int status = 0;
    for (const QByteArray& given : paths) {
        if (progress.cancelled) {
            message(err, given, QStringLiteral("not copied: interrupted"));
            status = 1;
            continue;
        }
        const QByteArray source = withoutTrailingSlashes(given);
        const size_t skippedBefore = engine.skipped().size();
        const Status copied = copyOne(engine, progress, source, folder, err);
        if (!copied) {
            const QString reason = copied.error().code == EEXIST
                                       ? QStringLiteral("already in %1, not replaced")
                                             .arg(QString::fromLocal8Bit(folder))
                                       : QString::fromUtf8(ErrorText::reason(copied.error()));
            message(err, given, reason);
            status = 1;
        }
        for (size_t i = skippedBefore; i < engine.skipped().size(); ++i) {
            const CopySkip& skip = engine.skipped()[i];
            message(err, skip.sourcePath,
                    QStringLiteral("left out: ") +
                        QString::fromUtf8(ErrorText::reason(skip.error)));
            status = 1;
        }
    }
    g_progress = nullptr;
    return status;
}
