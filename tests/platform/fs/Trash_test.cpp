#include "platform/fs/TrashFixture.h"
#include "platform/fs/TrashInfo.h"

#include <cstdlib>
#include <ctime>

namespace {

using HomeTrash = TrashFixture;

// Sets TZ for one test, so that local time and UTC differ by a known amount.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) : m_had(std::getenv("TZ") != nullptr) {
        if (m_had)
            m_old = std::getenv("TZ");
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (m_had)
            ::setenv("TZ", m_old.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

  private:
    bool m_had;
    std::string m_old;
};

} // namespace

TEST_F(HomeTrash, LookingUpCreatesNothing) {
    m_tmp.file("hd/a.txt");
    m_tmp.file("other/b.txt");
    FolderItemPtr home = hd("a.txt")->trashFolder();
    FolderItemPtr otherTrash = other("b.txt")->trashFolder();
    ASSERT_TRUE(home && otherTrash);
    EXPECT_EQ(home->posixPath(), m_homeTrash + "/files");
    EXPECT_EQ(otherTrash->posixPath(), m_other + "/.Trash-" + m_uid + "/files");
    EXPECT_EQ(home->count(), 0);
    EXPECT_EQ(otherTrash->count(), 0);
    EXPECT_TRUE(Trash::removeOrphanedInfo(*home).ok());
    EXPECT_FALSE(present(m_home + "/.local"));
    EXPECT_EQ(entries(m_other), QStringList{"b.txt"});
    // An item on no listed volume has no trash.
    EXPECT_EQ(FolderItem::fromPosixPath(m_tmp.path())->trashFolder(), nullptr);
}

TEST_F(HomeTrash, ItemsAndFoldersGoInWithExactInfoFiles) {
    ScopedTimeZone zone("UTC-9");
    m_tmp.file("hd/home/a.txt", "alpha");
    m_tmp.folder("hd/home/dir");
    m_tmp.file("hd/home/dir/inner", "beta");
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(trash(m_home + "/a.txt").ok());
    ASSERT_TRUE(trash(m_home + "/dir").ok());

    EXPECT_FALSE(present(m_home + "/a.txt"));
    EXPECT_FALSE(present(m_home + "/dir"));
    EXPECT_EQ(contents(m_homeTrash + "/files/a.txt"), "alpha");
    EXPECT_EQ(contents(m_homeTrash + "/files/dir/inner"), "beta");
    for (const QByteArray& folder : {m_home + "/.local", m_home + "/.local/share", m_homeTrash,
                                     m_homeTrash + "/files", m_homeTrash + "/info"})
        EXPECT_EQ(mode(folder), 0700) << folder.constData();
    EXPECT_EQ(entries(m_homeTrash + "/info"), (QStringList{"a.txt.trashinfo", "dir.trashinfo"}));

    const QByteArray info = contents(m_homeTrash + "/info/a.txt.trashinfo");
    const QList<QByteArray> lines = info.split('\n');
    ASSERT_EQ(lines.size(), 4) << info.constData();
    EXPECT_EQ(lines[0], "[Trash Info]");
    EXPECT_EQ(lines[1], "Path=" + m_home + "/a.txt");
    EXPECT_EQ(lines[3], "");
    // Local time: nine hours ahead of UTC here.
    ASSERT_TRUE(lines[2].startsWith("DeletionDate=")) << info.constData();
    struct tm parsed = {};
    const QByteArray date = lines[2].mid(13);
    ASSERT_NE(::strptime(date.constData(), "%Y-%m-%dT%H:%M:%S", &parsed), nullptr);
    EXPECT_EQ(date.size(), 19);
    const long ahead = long(::timegm(&parsed) - before);
    EXPECT_GE(ahead, 9 * 3600 - 1);
    EXPECT_LE(ahead, 9 * 3600 + 5);
    EXPECT_EQ(pathLine(m_homeTrash + "/info/dir.trashinfo"), "Path=" + m_home + "/dir");
}

TEST_F(HomeTrash, PathsArePercentEncoded) {
    m_tmp.folder("hd/home/d ir");
    const struct {
        QByteArray name;
        QByteArray encoded;
    } cases[] = {
        {"a b.txt", "a%20b.txt"},
        {"100%", "100%25"},
        {"\xe9t\xe9.txt", "%E9t%E9.txt"}, // Latin-1, not UTF-8
        {"~u-._v+w=x;y", "~u-._v%2Bw%3Dx%3By"},
        {"\xe3\x81\x82", "%E3%81%82"}, // UTF-8 is escaped byte by byte too
    };
    for (const auto& c : cases) {
        m_tmp.file("hd/home/d ir/" + c.name);
        ASSERT_TRUE(trash(m_home + "/d ir/" + c.name).ok()) << c.name.constData();
        EXPECT_EQ(pathLine(m_homeTrash + "/info/" + c.name + ".trashinfo"),
                  "Path=" + m_home + "/d%20ir/" + c.encoded);
        EXPECT_EQ(TrashInfo::percentDecode(c.encoded), c.name);
    }
    // Escapes that are not escapes stay as they stand.
    EXPECT_EQ(TrashInfo::percentDecode("a%2"), "a%2");
    EXPECT_EQ(TrashInfo::percentDecode("%zz%41"), "%zzA");
}

TEST_F(HomeTrash, CompanionTravelsInAndOutWithItsOwnInfoFile) {
    m_tmp.file("hd/home/a.txt", "data");
    m_tmp.file("hd/home/._a.txt", "finder info");
    ASSERT_TRUE(trash(m_home + "/a.txt", "a_001.txt").ok());
    EXPECT_EQ(entries(m_home), QStringList{".local"});
    EXPECT_EQ(entries(m_homeTrash + "/files"), (QStringList{"._a_001.txt", "a_001.txt"}));
    EXPECT_EQ(contents(m_homeTrash + "/files/._a_001.txt"), "finder info");
    // Each records where it came from, so that a restore puts both back.
    EXPECT_EQ(pathLine(m_homeTrash + "/info/a_001.txt.trashinfo"), "Path=" + m_home + "/a.txt");
    EXPECT_EQ(pathLine(m_homeTrash + "/info/._a_001.txt.trashinfo"), "Path=" + m_home + "/._a.txt");

    // Deleting the entry takes the companion, and both info files, along.
    ASSERT_TRUE(FolderItem::fromPosixPath(m_homeTrash + "/files/a_001.txt")->deleteItem().ok());
    EXPECT_EQ(entries(m_homeTrash + "/files"), QStringList{});
    EXPECT_EQ(entries(m_homeTrash + "/info"), QStringList{});

    // A folder under the companion's name is an item of its own: it stays, without an
    // info file in the trash.
    m_tmp.file("hd/home/b.txt");
    m_tmp.folder("hd/home/._b.txt");
    ASSERT_TRUE(trash(m_home + "/b.txt").ok());
    EXPECT_TRUE(present(m_home + "/._b.txt"));
    EXPECT_EQ(entries(m_homeTrash + "/files"), QStringList{"b.txt"});
    EXPECT_EQ(entries(m_homeTrash + "/info"), QStringList{"b.txt.trashinfo"});
}

TEST_F(HomeTrash, StaleInfoIsReplacedTakenNamesAreRefused) {
    m_tmp.folder("hd/home/.local");
    m_tmp.folder("hd/home/.local/share");
    m_tmp.folder("hd/home/.local/share/Trash");
    m_tmp.folder("hd/home/.local/share/Trash/files");
    m_tmp.folder("hd/home/.local/share/Trash/info");
    m_tmp.file("hd/home/.local/share/Trash/info/a.txt.trashinfo", "stale");
    m_tmp.file("hd/home/a.txt", "new");
    ASSERT_TRUE(trash(m_home + "/a.txt").ok());
    EXPECT_EQ(pathLine(m_homeTrash + "/info/a.txt.trashinfo"), "Path=" + m_home + "/a.txt");

    // The name is taken in files/: nothing moves, nothing of the trash changes.
    m_tmp.file("hd/home/a.txt", "second");
    const QByteArray infoBefore = contents(m_homeTrash + "/info/a.txt.trashinfo");
    EXPECT_FALSE(trash(m_home + "/a.txt").ok());
    EXPECT_EQ(contents(m_home + "/a.txt"), "second");
    EXPECT_EQ(contents(m_homeTrash + "/files/a.txt"), "new");
    EXPECT_EQ(contents(m_homeTrash + "/info/a.txt.trashinfo"), infoBefore);
    EXPECT_EQ(entries(m_homeTrash + "/info"), QStringList{"a.txt.trashinfo"});
}

TEST_F(HomeTrash, FailedMovesLeaveNothingBehind) {
    // The companion's name is taken in files/: the move is refused after the info files
    // were written, which must go again.
    m_tmp.file("hd/home/c.txt", "item");
    m_tmp.file("hd/home/._c.txt", "companion");
    m_tmp.file("hd/home/other.txt");
    ASSERT_TRUE(trash(m_home + "/other.txt").ok());
    m_tmp.file("hd/home/.local/share/Trash/files/._c.txt", "someone else's");
    EXPECT_FALSE(trash(m_home + "/c.txt").ok());
    EXPECT_EQ(contents(m_home + "/c.txt"), "item");
    EXPECT_EQ(contents(m_home + "/._c.txt"), "companion");
    EXPECT_EQ(contents(m_homeTrash + "/files/._c.txt"), "someone else's");
    EXPECT_EQ(entries(m_homeTrash + "/files"), (QStringList{"._c.txt", "other.txt"}));
    EXPECT_EQ(entries(m_homeTrash + "/info"), QStringList{"other.txt.trashinfo"});

    // An entry of the trash is not trashed again, nothing is moved into a folder that is
    // no trash, and a vanished item is refused before anything is written.
    FolderItemPtr entry = FolderItem::fromPosixPath(m_homeTrash + "/files/other.txt");
    FolderItemPtr files = entry->parent();
    EXPECT_FALSE(Trash::moveIn(*entry, *files, QStringLiteral("again.txt")).ok());
    m_tmp.folder("hd/box");
    m_tmp.file("hd/home/d.txt");
    FolderItemPtr d = hd("home/d.txt");
    EXPECT_FALSE(Trash::moveIn(*d, *hd("box"), QStringLiteral("d.txt")).ok());
    FolderItemPtr gone = hd("home/gone.txt");
    EXPECT_FALSE(Trash::moveIn(*gone, *files, QStringLiteral("gone.txt")).ok());
    EXPECT_FALSE(Trash::moveIn(*d, *files, QStringLiteral("../d.txt")).ok());
    EXPECT_FALSE(Trash::moveIn(*hd(), *files, QStringLiteral("HD")).ok());
    EXPECT_TRUE(present(m_hd));
    EXPECT_TRUE(present(m_home + "/d.txt"));
    EXPECT_EQ(entries(m_homeTrash + "/files"), (QStringList{"._c.txt", "other.txt"}));
    EXPECT_EQ(entries(m_homeTrash + "/info"), QStringList{"other.txt.trashinfo"});
    EXPECT_EQ(entries(m_tmp.path() + "/hd/box"), QStringList{});
}

TEST_F(HomeTrash, EmptyingLeavesFilesAndInfoEmptyAndTheSizeCacheConsistent) {
    m_tmp.file("hd/home/a.txt");
    m_tmp.file("hd/home/._a.txt");
    m_tmp.folder("hd/home/dir");
    m_tmp.file("hd/home/dir/x");
    m_tmp.folder("hd/home/kept");
    ASSERT_TRUE(trash(m_home + "/a.txt").ok());
    ASSERT_TRUE(trash(m_home + "/dir").ok());
    ASSERT_TRUE(trash(m_home + "/kept").ok());
    m_tmp.file("hd/home/.local/share/Trash/info/gone.trashinfo", "[Trash Info]\n");
    m_tmp.file("hd/home/.local/share/Trash/directorysizes", "4096 1700000000 dir\n"
                                                            "512 1700000000 kept\n"
                                                            "10 1 gone%20folder\n"
                                                            "not a size line at all\n");

    // Orphans go; what still has its entry stays.
    FolderItemPtr files = hd("home/.local/share/Trash/files");
    ASSERT_TRUE(Trash::removeOrphanedInfo(*files).ok());
    EXPECT_EQ(entries(m_homeTrash + "/info"), (QStringList{"._a.txt.trashinfo", "a.txt.trashinfo",
                                                           "dir.trashinfo", "kept.trashinfo"}));
    EXPECT_EQ(contents(m_homeTrash + "/directorysizes"),
              "4096 1700000000 dir\n512 1700000000 kept\nnot a size line at all\n");

    // Deleting one folder drops its cached size and keeps the other's.
    ASSERT_TRUE(FolderItem::fromPosixPath(m_homeTrash + "/files/dir")->deleteItem().ok());
    EXPECT_EQ(contents(m_homeTrash + "/directorysizes"),
              "512 1700000000 kept\nnot a size line at all\n");

    for (int i = files->count(); i >= 1; --i)
        if (FolderItemPtr entry = files->item(i); entry && entry->exists())
            entry->deleteItem();
    ASSERT_TRUE(Trash::removeOrphanedInfo(*files).ok());
    EXPECT_EQ(entries(m_homeTrash + "/files"), QStringList{});
    EXPECT_EQ(entries(m_homeTrash + "/info"), QStringList{});
    EXPECT_EQ(contents(m_homeTrash + "/directorysizes"), "not a size line at all\n");
    EXPECT_EQ(entries(m_homeTrash), (QStringList{"directorysizes", "files", "info"}));
}

TEST_F(HomeTrash, AFolderMovedInReplacesAStaleCachedSize) {
    m_tmp.file("hd/home/seed");
    ASSERT_TRUE(trash(m_home + "/seed").ok());
    m_tmp.file("hd/home/.local/share/Trash/directorysizes", "99 1 dir\n5 1 seed\n");
    m_tmp.folder("hd/home/dir");
    ASSERT_TRUE(trash(m_home + "/dir").ok());
    EXPECT_EQ(contents(m_homeTrash + "/directorysizes"), "5 1 seed\n");
}
