#include "platform/fs/FolderItemSnapshot.h"
#include "platform/fs/TrashFixture.h"
#include "support/MountNamespace.h"

#include <QProcess>
#include <QRegularExpression>
#include <dirent.h>

// Cross-checks with GLib's own trash (`gio trash`), which desktop file managers share:
// what it trashed, we list and empty; what we trashed is recorded as it records it, so a
// desktop restores it to the same place. GLib will not trash on tmpfs (it takes it for
// a system mount), so the other volume here is a small ext4 image, loop-mounted in a
// private mount namespace.
namespace {

class GioTrash : public TrashFixture {
  protected:
    void SetUp() override {
        if (!MountNamespace::inside())
            return;
        TrashFixture::SetUp();
        m_disk = m_tmp.folder("disk");
        ASSERT_TRUE(m_mount.ext4(m_tmp.path() + "/disk.img", m_disk));
        Volumes::setTestTable(std::vector<Volumes::TestVolume>{
            {QStringLiteral("HD"), m_hd, 11}, {QStringLiteral("Disk"), m_disk, 33}});
        m_diskTrash = m_disk + "/.Trash-" + m_uid;
    }
    void TearDown() override {
        if (MountNamespace::inside())
            TrashFixture::TearDown();
    }

    static int run(const QString& program, const QList<QByteArray>& args,
                   QByteArray* out = nullptr) {
        QStringList list;
        for (const QByteArray& a : args)
            list << QFile::decodeName(a);
        QProcess p;
        p.start(program, list);
        if (!p.waitForFinished(30000))
            return -1;
        const QByteArray output = p.readAllStandardOutput() + p.readAllStandardError();
        if (out) {
            *out = output;
        } else if (p.exitCode() != 0) {
            ADD_FAILURE() << program.toStdString() << ": " << output.constData();
        }
        return p.exitCode();
    }
    // gio with the test's HOME and XDG_DATA_HOME, inherited from this process.
    static void gioTrash(const QByteArray& path) { EXPECT_EQ(run("gio", {"trash", path}), 0); }
    // Everything in the folder: a name that is not UTF-8 cannot pass through QProcess's
    // arguments, so the shell names it.
    static void gioTrashAllIn(const QByteArray& folder) {
        EXPECT_EQ(run("sh", {"-c", "cd \"$1\" && gio trash -- *", "sh", folder}), 0);
    }

    // Empties the trash the way the program's emptying does: every entry deleted, then
    // the info files left without an entry.
    static void empty(const FolderItemPtr& files) {
        for (int i = files->count(); i >= 1; --i) {
            if (FolderItemPtr entry = files->item(i); entry && entry->exists()) {
                EXPECT_TRUE(entry->deleteItem().ok());
            }
        }
        EXPECT_TRUE(Trash::removeOrphanedInfo(*files).ok());
    }

    QByteArray m_disk;
    QByteArray m_diskTrash;
    MountNamespace::Mount m_mount; // goes before the temporary folder holding it
};

} // namespace

TEST_F(GioTrash, WhatGioTrashedIsListedAndEmptied) {
    CS_IN_MOUNT_NAMESPACE();
    m_tmp.file("hd/home/a.txt", "a");
    m_tmp.folder("hd/home/dir");
    m_tmp.file("hd/home/dir/inner");
    m_tmp.folder(m_disk.mid(m_tmp.path().size() + 1) + "/sub");
    m_tmp.file(m_disk.mid(m_tmp.path().size() + 1) + "/sub/b c.txt", "b");
    gioTrash(m_home + "/a.txt");
    gioTrash(m_home + "/dir");
    gioTrash(m_disk + "/sub/b c.txt");

    const struct {
        FolderItemPtr files;
        QByteArray root;
        QStringList names;
    } trashes[] = {
        {hd("home/a.txt")->trashFolder(), m_homeTrash, {"a.txt", "dir"}},
        {FolderItem::fromPosixPath(m_disk + "/sub")->trashFolder(), m_diskTrash, {"b c.txt"}},
    };
    for (const auto& t : trashes) {
        ASSERT_TRUE(t.files);
        EXPECT_EQ(t.files->posixPath(), t.root + "/files");
        QStringList listed;
        for (int i = 1, n = t.files->count(); i <= n; ++i)
            listed << t.files->item(i)->name();
        listed.sort();
        EXPECT_EQ(listed, t.names) << t.root.constData();
        empty(t.files);
        EXPECT_EQ(entries(t.root + "/files"), QStringList{}) << t.root.constData();
        EXPECT_EQ(entries(t.root + "/info"), QStringList{}) << t.root.constData();
    }
}

TEST_F(GioTrash, OurInfoFilesSayWhatGioWouldSay) {
    CS_IN_MOUNT_NAMESPACE();
    const QByteArray diskRelative = m_disk.mid(m_tmp.path().size() + 1);
    m_tmp.folder("hd/home/d ir");
    m_tmp.folder(diskRelative + "/s ub");
    const QByteArray odd = "a b%c\xe9+.txt";
    const struct {
        QByteArray path;
        QByteArray root;
    } items[] = {
        {m_home + "/d ir/" + odd, m_homeTrash},
        {m_disk + "/s ub/" + odd, m_diskTrash},
    };
    const QRegularExpression date(
        QStringLiteral("^DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"));
    for (const auto& item : items) {
        // Ours first, then the same path again through gio, which names its entry apart.
        ::close(::open(item.path.constData(), O_WRONLY | O_CREAT, 0644));
        ASSERT_TRUE(trash(item.path).ok()) << item.path.constData();
        ::close(::open(item.path.constData(), O_WRONLY | O_CREAT, 0644));
        gioTrashAllIn(FolderItemPaths::folderOf(item.path));
        QByteArray gioInfo;
        if (DIR* dir = ::opendir((item.root + "/info").constData())) {
            while (const dirent* e = ::readdir(dir)) {
                const QByteArray name(e->d_name);
                if (name.endsWith(".trashinfo") && name != odd + ".trashinfo")
                    gioInfo = item.root + "/info/" + name;
            }
            ::closedir(dir);
        }
        ASSERT_FALSE(gioInfo.isEmpty()) << item.root.constData();
        const QByteArray ours = item.root + "/info/" + odd + ".trashinfo";
        EXPECT_EQ(pathLine(ours), pathLine(gioInfo)) << item.root.constData();
        const QList<QByteArray> ourLines = contents(ours).split('\n');
        const QList<QByteArray> gioLines = contents(gioInfo).split('\n');
        ASSERT_EQ(ourLines.size(), gioLines.size());
        EXPECT_EQ(ourLines[0], gioLines[0]);
        EXPECT_TRUE(date.match(QString::fromLatin1(ourLines[2])).hasMatch())
            << ourLines[2].constData();
        EXPECT_TRUE(date.match(QString::fromLatin1(gioLines[2])).hasMatch())
            << gioLines[2].constData();
    }
}
