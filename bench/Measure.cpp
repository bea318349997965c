#include "bench/Measure.h"

#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>

double syscallFloor(const QByteArray& folder)
{
    return timed([&] {
        DIR* dir = opendir(folder.constData());
        if (!dir)
            return;
        const int fd = dirfd(dir);
        char info[32];
        while (dirent* e = readdir(dir)) {
            if (e->d_name[0] == '.' && (!e->d_name[1] || (e->d_name[1] == '.' && !e->d_name[2])))
                continue;
            struct statx sx;
            statx(fd, e->d_name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &sx);
            const QByteArray path = folder + "/" + e->d_name;
            lgetxattr(path.constData(), "user.com.apple.FinderInfo", info, sizeof info);
        }
        closedir(dir);
    });
}

static double statusField(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size())) / 1024.0;
    return 0;
}

double residentMb() { return statusField("VmRSS:"); }
double peakResidentMb() { return statusField("VmHWM:"); }
