#include "support/TempDir.h"

#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

TempDir::TempDir()
{
    QByteArray tmpl = qgetenv("CLOAKSWITCH_TEST_ROOT");
    if (tmpl.isEmpty())
        tmpl = "/tmp";
    tmpl += "/cloakswitch-test-XXXXXX";
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

static int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    ::remove(path);
    return 0;
}

TempDir::~TempDir()
{
    nftw(m_path.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

QByteArray TempDir::file(const QByteArray& relative, const QByteArray& content) const
{
    QByteArray p = m_path + "/" + relative;
    int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + p.toStdString());
    if (!content.isEmpty() && ::write(fd, content.constData(), content.size()) != content.size())
        throw std::runtime_error("cannot write " + p.toStdString());
    ::close(fd);
    return p;
}

QByteArray TempDir::folder(const QByteArray& relative) const
{
    QByteArray p = m_path + "/" + relative;
    ::mkdir(p.constData(), 0755);
    return p;
}

bool setXattr(const QByteArray& path, const char* name, const QByteArray& value)
{
    return ::lsetxattr(path.constData(), name, value.constData(), value.size(), 0) == 0;
}

QByteArray getXattr(const QByteArray& path, const char* name, bool* present)
{
    char buf[65536];
    ssize_t n = ::lgetxattr(path.constData(), name, buf, sizeof buf);
    if (present)
        *present = n >= 0;
    return n >= 0 ? QByteArray(buf, int(n)) : QByteArray();
}
