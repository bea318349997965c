// Measures the copy engine against `cp -a` on the same trees in the same run: a tree of
// 10,000 small files each with Finder information, and one 512 MB file.
//
//   cloakswitch-copy-bench [--files N] [--megabytes M] [--rounds R] [--dir FOLDER]
//
// Each copy is timed R times, alternating engine and cp, warm caches, best time kept;
// the copies are removed between runs. Prints the figures, then name=value lines.

#include "platform/fs/CopyEngine.h"
#include "platform/fs/DeleteTree.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    int files = 10000;
    int megabytes = 512;
    int rounds = 3;
    QByteArray dir = "/tmp";
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--files") && hasValue)
            o.files = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--megabytes") && hasValue)
            o.megabytes = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--rounds") && hasValue)
            o.rounds = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--dir") && hasValue)
            o.dir = argv[++i];
        else
            return false;
    }
    return o.files > 0 && o.megabytes > 0;
}

void writeFile(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size()) {
        std::perror(path.constData());
        std::exit(1);
    }
    ::close(fd);
}

// 100 files to a folder, each with Finder information, sizes from 100 bytes to 4 KB.
void makeTree(const QByteArray& root, int files) {
    ::mkdir(root.constData(), 0755);
    QByteArray info(32, '\0');
    std::memcpy(info.data(), "TEXTttxt", 8);
    for (int i = 0; i < files; ++i) {
        const QByteArray folder = root + "/folder" + QByteArray::number(i / 100);
        if (i % 100 == 0)
            ::mkdir(folder.constData(), 0755);
        const QByteArray file = folder + "/file" + QByteArray::number(i) + ".txt";
        writeFile(file, QByteArray(100 + (i * 37) % 4000, char('a' + i % 26)));
        ::setxattr(file.constData(), "user.com.apple.FinderInfo", info.constData(), 32, 0);
    }
}

void makeLarge(const QByteArray& path, int megabytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QByteArray chunk(1024 * 1024, '\0');
    for (int m = 0; m < megabytes; ++m) {
        for (int i = 0; i < chunk.size(); i += 64)
            chunk[i] = char(m * 31 + i); // not zeros: no file system may skip them
        if (::write(fd, chunk.constData(), size_t(chunk.size())) != chunk.size()) {
            std::perror(path.constData());
            std::exit(1);
        }
    }
    ::fsync(fd);
    ::close(fd);
}

double seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double engineCopy(const QByteArray& source, const QByteArray& folder) {
    CopyEngine engine;
    const auto start = std::chrono::steady_clock::now();
    if (!engine.copyInto(source, folder)) {
        std::fprintf(stderr, "engine copy of %s failed\n", source.constData());
        std::exit(1);
    }
    return seconds(start);
}

double cpCopy(const QByteArray& source, const QByteArray& folder) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execlp("cp", "cp", "-a", "--", source.constData(), (folder + "/").constData(),
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cp -a of %s failed\n", source.constData());
        std::exit(1);
    }
    return seconds(start);
}

struct Pair {
    double engine = 1e9;
    double cp = 1e9;
};

Pair race(const QByteArray& source, const QByteArray& work, int rounds) {
    Pair best;
    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    for (int r = 0; r < rounds; ++r) {
        // Which goes first alternates, so that neither always meets the other's write-back.
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (turn + r) % 2;
            const QByteArray into = work + (which == 0 ? "/by-engine" : "/by-cp");
            ::mkdir(into.constData(), 0755);
            ::sync(); // the previous run's write-back must not weigh on this one
            const double t = which == 0 ? engineCopy(source, into) : cpCopy(source, into);
            double& slot = which == 0 ? best.engine : best.cp;
            slot = std::min(slot, t);
            DeleteTree::remove(into);
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: cloakswitch-copy-bench [--files N] [--megabytes M] "
                             "[--rounds R] [--dir FOLDER]\n");
        return 2;
    }
    QByteArray work = o.dir + "/cloakswitch-copy-bench-XXXXXX";
    if (!::mkdtemp(work.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    std::printf("making %d small files with Finder information and a %d MB file in %s\n", o.files,
                o.megabytes, work.constData());
    makeTree(work + "/tree", o.files);
    makeLarge(work + "/large", o.megabytes);

    const Pair tree = race(work + "/tree", work, o.rounds);
    const Pair large = race(work + "/large", work, o.rounds);
    std::printf("%-28s %9s %9s %7s\n", "", "engine s", "cp -a s", "ratio");
    const QByteArray treeLabel = QByteArray::number(o.files) + " small files with info";
    const QByteArray largeLabel = "one " + QByteArray::number(o.megabytes) + " MB file";
    std::printf("%-28s %9.3f %9.3f %7.3f\n", treeLabel.constData(), tree.engine, tree.cp,
                tree.engine / tree.cp);
    std::printf("%-28s %9.3f %9.3f %7.3f\n", largeLabel.constData(), large.engine, large.cp,
                large.engine / large.cp);
    std::printf("tree_engine_s=%.4f\ntree_cp_s=%.4f\ntree_ratio=%.4f\n", tree.engine, tree.cp,
                tree.engine / tree.cp);
    std::printf("large_engine_s=%.4f\nlarge_cp_s=%.4f\nlarge_ratio=%.4f\n", large.engine, large.cp,
                large.engine / large.cp);
    DeleteTree::remove(work);
    return 0;
}
