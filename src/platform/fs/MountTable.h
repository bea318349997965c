#pragma once

#include "platform/fs/Volumes.h"

#include <QByteArray>
#include <functional>
#include <vector>

// Parsing and filtering of /proc/self/mountinfo into the volume list.
namespace MountTable {

struct Mount {
    int id = 0;
    int parent = 0;
    QByteArray mountPoint; // escapes decoded
    QByteArray fsType;
    QByteArray source;
};

std::vector<Mount> parse(const QByteArray& mountinfo);

// Whether a desktop file manager would show this mount as a volume.
bool isUserVolume(const Mount& mount);

// The mounts a path lookup can reach: a mount whose mount point was covered later by
// another mount on it or on one of its parent folders is left out, and so is everything
// mounted inside it.
std::vector<Mount> reachable(std::vector<Mount> mounts);

// The real volumes from the given mountinfo text: "/" first, then mount order; only
// reachable mounts count.
std::vector<Volume> volumesFrom(const QByteArray& mountinfo);

// /proc/self/mountinfo, watched through poll for changes.
class Watch {
  public:
    Watch();
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // Whether the mounts changed since the last read (true when it cannot tell).
    bool changed();
    // Takes the change signal first and reads after, so that a change made in between is
    // either in the text or signalled again. Tests pass meanwhile to make one there.
    QByteArray read(const std::function<void()>& meanwhile = {});

  private:
    int m_fd = -1;
};

} // namespace MountTable
