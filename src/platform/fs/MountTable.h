#pragma once

#include "platform/fs/Volumes.h"

#include <QByteArray>
#include <vector>

// Parsing and filtering of /proc/self/mountinfo into the volume list.
namespace MountTable {

struct Mount {
    int id = 0;
    QByteArray mountPoint; // escapes decoded
    QByteArray fsType;
    QByteArray source;
};

std::vector<Mount> parse(const QByteArray& mountinfo);

// Whether a desktop file manager would show this mount as a volume.
bool isUserVolume(const Mount& mount);

// The real volumes from the given mountinfo text: "/" first, then mount order; a mount
// point mounted over keeps its later (visible) mount.
std::vector<Volume> volumesFrom(const QByteArray& mountinfo);

} // namespace MountTable
