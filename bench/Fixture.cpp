#include "bench/Fixture.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

void touch(const QByteArray& path, bool withInfo)
{
    int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path.toStdString());
    ::close(fd);
    if (withInfo) {
        char info[32] = {'T', 'E', 'X', 'T', 't', 't', 'x', 't'};
        ::lsetxattr(path.constData(), "user.com.apple.FinderInfo", info, sizeof info, 0);
    }
}

void folderOf(const QByteArray& path, int files)
{
    ::mkdir(path.constData(), 0755);
    for (int i = 0; i < files; ++i)
        touch(path + "/item" + QByteArray::number(i) + ".dat", false);
}

int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    ::remove(path);
    return 0;
}

} // namespace

Fixture makeFixture(const QByteArray& workDir, const FixtureShape& shape)
{
    Fixture f;
    QByteArray base = workDir;
    if (base.isEmpty()) {
        base = "/tmp/cloakswitch-bench-XXXXXX";
        if (!mkdtemp(base.data()))
            throw std::runtime_error("mkdtemp failed");
        f.removeAtEnd = true;
    }
    f.root = base + "/listed";
    ::mkdir(f.root.constData(), 0755);
    f.bigName = "big folder";
    folderOf(f.root + "/" + f.bigName, shape.bigChildren);
    for (int i = 0; i < shape.folders; ++i)
        folderOf(f.root + "/folder" + QByteArray::number(i).rightJustified(4, '0'),
                 shape.itemsPerFolder);
    const int files = shape.items - shape.folders - 1;
    for (int i = 0; i < files; ++i)
        touch(f.root + "/file" + QByteArray::number(i).rightJustified(6, '0') + ".txt",
              i % 1000 == 0);
    if (f.removeAtEnd)
        f.root = base + "/listed";
    return f;
}

void removeTree(const QByteArray& path)
{
    nftw(path.constData(), removeEntry, 32, FTW_DEPTH | FTW_PHYS);
}
