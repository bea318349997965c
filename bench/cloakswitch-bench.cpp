// Measures listing a huge folder against the system-call floor of reading it.
//
//   cloakswitch-bench [--items N] [--dir FOLDER]
//
// Prints the figures, then name=value lines for scripts.

#include "bench/Fixture.h"
#include "bench/Measure.h"
#include "mainwindow/Window1.h"
#include "platform/fs/FolderItem.h"
#include "platform/gui/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct Options {
    FixtureShape shape;
    QByteArray dir;
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--items") && hasValue) {
            o.shape.items = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--dir") && hasValue) {
            o.dir = argv[++i];
        } else {
            std::fprintf(stderr, "usage: cloakswitch-bench [--items N] [--dir FOLDER]\n");
            return false;
        }
    }
    const FixtureShape& s = o.shape;
    if (s.items < s.folders + 2) {
        std::fprintf(stderr, "cloakswitch-bench: --items must be at least %d\n", s.folders + 2);
        return false;
    }
    return true;
}

int rowOf(const ListBox& list, const QString& path)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.row(row).path.endsWith(path))
            return row;
    return -1;
}

void paint(Window1& w)
{
    w.topWidget()->repaint();
    QApplication::processEvents();
}

void listFresh(Window1& w, const FolderItemPtr& folder)
{
    w.ResetFileListBox(folder, true);
    paint(w);
}

// The plain listing with the small folders opened from code, as a user would have them.
void listAndExpand(Window1& w, const FolderItemPtr& folder)
{
    w.ResetFileListBox(folder, true);
    int vref = 0;
    QString path;
    for (int row = w.FileListBox->rowCount() - 1; row >= 0; --row) {
        // The key, not a copy of the row: only the expanding is to be timed.
        w.FileListBox->rowKey(row, vref, path);
        if (path.mid(path.lastIndexOf(QLatin1Char(':')) + 1).startsWith(QLatin1String("folder")))
            w.FileListBox->setExpanded(row, true);
    }
    paint(w);
}

} // namespace

int main(int argc, char** argv)
{
    const auto processStart = std::chrono::steady_clock::now();
    Options options;
    if (!parse(argc, argv, options))
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    const QByteArray home = QDir::tempPath().toUtf8() + "/cloakswitch-bench-home";
    QDir().mkpath(QString::fromUtf8(home + "/Desktop"));
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    QApplication app(argc, argv);
    const double appStart =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - processStart).count();

    std::printf("making %d items...\n", options.shape.items);
    std::fflush(stdout);
    const Fixture fx = makeFixture(options.dir, options.shape);
    const FolderItemPtr folder = FolderItem::fromPosixPath(fx.root);

    // The fixture is made between the application and the window; start-up is the
    // application plus the window up to its first paint.
    std::unique_ptr<Window1> window;
    const double windowStart = timed([&] {
        window = std::make_unique<Window1>(nullptr);
        window->show();
        window->Open();
        paint(*window);
    });
    Window1& w = *window;
    const double startup = appStart + windowStart;
    const double rssOpen = residentMb();

    syscallFloor(fx.root);
    const double floor = syscallFloor(fx.root);

    listFresh(w, folder);
    const double listing = timed([&] { listFresh(w, folder); });
    const double peak = peakResidentMb();
    const double reading = timed([&] { w.drawListAndPathpop(folder); });
    const double sorting = timed([&] { w.FileListBox->sort(); });
    const double painting = timed([&] { paint(w); });

    const int bigRow = rowOf(*w.FileListBox, QString::fromUtf8(":" + fx.bigName));
    auto expandBig = [&] {
        w.FileListBox->setExpanded(bigRow, true);
        paint(w);
    };
    expandBig();
    w.FileListBox->setExpanded(bigRow, false);
    const double expand = timed(expandBig);

    listAndExpand(w, folder);
    const double plain = timed([&] { listAndExpand(w, folder); });
    std::vector<int> rows;
    for (int row = 0; row < w.FileListBox->rowCount() && rows.size() < 10000; row += 3)
        rows.push_back(row);
    w.FileListBox->selectRows(rows);
    w.saveListState();
    auto refresh = [&] {
        w.ResetFileListBox(nullptr, false);
        paint(w);
    };
    refresh();
    const double refreshed = timed(refresh);

    std::printf("syscall floor (readdir + statx + FinderInfo attribute): %.3f s\n", floor);
    std::printf("listing %d items, sorted, painted:                     %.3f s (%.2fx)\n",
                options.shape.items, listing, listing / floor);
    std::printf("  of which reading rows %.3f s, sorting %.3f s, painting %.3f s\n", reading,
                sorting, painting);
    std::printf("expanding a folder of %d items:                       %.3f s\n",
                options.shape.bigChildren, expand);
    std::printf("listing + expanding %d folders:                         %.3f s\n",
                options.shape.folders, plain);
    std::printf("refresh keeping them and %zu selected rows:          %.3f s (%.2fx)\n",
                rows.size(), refreshed, refreshed / plain);
    std::printf("start-up to a shown window:                            %.3f s\n", startup);
    std::printf("floor_s=%.4f\nlisting_s=%.4f\nlisting_ratio=%.3f\nexpand_s=%.4f\n", floor,
                listing, listing / floor, expand);
    std::printf("reading_s=%.4f\nsort_s=%.4f\nstartup_s=%.4f\n", reading, sorting, startup);
    std::printf("refresh_s=%.4f\nrefresh_ratio=%.3f\n", refreshed, refreshed / plain);
    std::printf("peak_rss_mb=%.1f\nrss_growth_mb=%.1f\n", peakResidentMb(), peak - rssOpen);

    w.hide();
    if (fx.removeAtEnd)
        removeTree(fx.root.left(fx.root.lastIndexOf('/')));
    return 0;
}
