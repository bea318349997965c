#pragma once

#include "platform/fs/FolderItem.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct Volume {
    QString name;          // label, else host name for "/", else the mount point's last name
    QByteArray mountPoint; // canonical
    int ref = 0;           // mount id: stable while mounted, never 0 or -1
    QByteArray fsType;     // "ext4", "vfat", "hfsplus", ...
};

// The mounted volumes, start-up volume first. The list is read again only when
// /proc/self/mountinfo says it changed (or the test table changed).
namespace Volumes {

// The list as it stands; the same pointer until the mounts (or the test table) change.
using List = std::shared_ptr<const std::vector<Volume>>;
List current();
// The listed volume whose mount point is the longest prefix of the path; none when no
// volume holds it. The pointer lives as long as the list.
const Volume* locate(const std::vector<Volume>& volumes, const QByteArray& canonicalPath);

const std::vector<Volume>& list();
int count();
FolderItemPtr root(int index);                          // none when out of range
std::optional<Volume> forPath(const QByteArray& canonicalPath); // longest mount prefix
std::optional<Volume> byRef(int ref);
std::optional<Volume> byName(const QString& name); // the first of that name

// Test seam: replace the real list by a table; an empty optional returns to the real one.
struct TestVolume {
    QString name;
    QByteArray root;
    int ref;
};
void setTestTable(std::optional<std::vector<TestVolume>> table);

} // namespace Volumes
