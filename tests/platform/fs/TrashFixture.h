#pragma once

#include "platform/fs/FolderItem.h"
#include "platform/fs/Trash.h"
#include "support/ScopedHome.h"
#include "support/TestVolumes.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The test volumes with a private home folder on "HD" (hd/home), so that the home trash
// is hd/home/.local/share/Trash and the real user's trash is never touched.
class TrashFixture : public TestVolumes {
  protected:
    void SetUp() override {
        TestVolumes::SetUp();
        m_home = m_tmp.folder("hd/home");
        m_scopedHome = std::make_unique<ScopedHome>(m_home);
        m_homeTrash = m_home + "/.local/share/Trash";
        m_uid = QByteArray::number(::getuid());
    }
    void TearDown() override {
        m_scopedHome.reset();
        TestVolumes::TearDown();
    }

    // Moves the item at path into the trash of its own volume, under its own name unless
    // another is given.
    static Status trash(const QByteArray& path, const QString& nameInTrash = {}) {
        FolderItemPtr item = FolderItem::fromPosixPath(path);
        FolderItemPtr files = item->trashFolder();
        if (!files)
            return Status::fail("test", ENOENT);
        return Trash::moveIn(*item, *files, nameInTrash.isEmpty() ? item->name() : nameInTrash);
    }

    static bool present(const QByteArray& path) {
        struct stat st;
        return ::lstat(path.constData(), &st) == 0;
    }
    static int mode(const QByteArray& path) {
        struct stat st;
        return ::lstat(path.constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    }
    // Read by bytes: names that are not UTF-8 do not survive a QString.
    static QByteArray contents(const QByteArray& path) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return "<missing>";
        QByteArray bytes;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(fd, buf, sizeof buf)) > 0)
            bytes.append(buf, n);
        ::close(fd);
        return bytes;
    }
    static QStringList entries(const QByteArray& folder) {
        return QDir(QFile::decodeName(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }
    // The Path= line of an info file.
    static QByteArray pathLine(const QByteArray& infoFile) {
        for (const QByteArray& line : contents(infoFile).split('\n'))
            if (line.startsWith("Path="))
                return line;
        return "<no Path line>";
    }

    QByteArray m_home;
    QByteArray m_homeTrash;
    QByteArray m_uid;
    std::unique_ptr<ScopedHome> m_scopedHome;
};
