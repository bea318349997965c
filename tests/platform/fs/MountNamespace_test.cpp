#include "platform/fs/Volumes.h"

#include "support/MountNamespace.h"
#include "support/TempDir.h"

#include <QThread>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

bool listed(const QByteArray& mountPoint) {
    for (const Volume& v : Volumes::list()) {
        if (v.mountPoint == mountPoint)
            return true;
    }
    return false;
}

// The list is re-read only when mountinfo signals a change; give the poll its interval.
bool listedSoon(const QByteArray& mountPoint, bool expected) {
    for (int i = 0; i < 50; ++i) {
        if (listed(mountPoint) == expected)
            return true;
        QThread::msleep(10);
    }
    return false;
}

TEST(MountNamespace, MountAndUnmountAreSeenWithoutAsking) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    const QByteArray point = tmp.folder("Scratch Disk");
    ASSERT_FALSE(listed(point));
    ASSERT_EQ(::mount("scratch", point.constData(), "tmpfs", 0, "size=1m"), 0);
    ASSERT_TRUE(listedSoon(point, true));
    EXPECT_EQ(Volumes::forPath(point + "/x")->name, "Scratch Disk");
    ASSERT_EQ(::umount(point.constData()), 0);
    EXPECT_TRUE(listedSoon(point, false));
}

} // namespace
