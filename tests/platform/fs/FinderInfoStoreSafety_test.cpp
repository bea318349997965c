#include "platform/fs/FinderInfoStore.h"

#include "AppleDoubleBytes.h"
#include "support/MountNamespace.h"
#include "support/TempDir.h"

#include <QDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/fsuid.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace AppleDoubleBytes;

// Writes that must be refused rather than lose what stands on the disk.
namespace {

constexpr const char* kFinderInfoAttr = "user.com.apple.FinderInfo";

QByteArray readFile(const QByteArray& path) {
    QByteArray out;
    if (FILE* f = fopen(path.constData(), "rb")) {
        char buf[65536];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0)
            out.append(buf, qsizetype(n));
        fclose(f);
    }
    return out;
}

bool exists(const QByteArray& path) {
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

auto setInvisible = [](FinderInfo& fi) { fi.setFlags(fi.flags() | FinderInfo::kIsInvisible); };

// Sets or clears an inode flag (chattr) for the guard's life.
class InodeFlag {
  public:
    InodeFlag(const QByteArray& path, int flag)
        : m_fd(::open(path.constData(), O_RDONLY | O_NONBLOCK)), m_flag(flag) {
        int flags = 0;
        if (m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= m_flag;
            m_set = ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~InodeFlag() {
        int flags = 0;
        if (m_set && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~m_flag;
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isSet() const { return m_set; }

  private:
    int m_fd;
    int m_flag;
    bool m_set = false;
};

// A companion with one more entry than the 16-bit count can hold once a Finder
// information entry is added: 65,534 empty entries and a resource fork.
QByteArray fullCompanion() {
    std::vector<RawEntry> entries;
    const uint32_t tableEnd = 26 + 12 * 65535;
    entries.push_back({2, tableEnd, 16});
    for (uint32_t id = 100; entries.size() < 65535; ++id)
        entries.push_back({id, 0, 0});
    QByteArray b = header(entries, int(tableEnd) + 16);
    b.replace(int(tableEnd), 16, "resource fork!!!");
    return b;
}

} // namespace

TEST(FinderInfoStoreSafety, RebuildThatOverflowsTheEntryCountIsRefused) {
    TempDir dir;
    const QByteArray target = dir.file("t");
    const QByteArray link = dir / "l";
    ASSERT_EQ(symlink(target.constData(), link.constData()), 0);
    const QByteArray original = fullCompanion();
    dir.file("._l", original);

    EXPECT_FALSE(FinderInfoStore::update(link, setInvisible));
    EXPECT_EQ(readFile(dir / "._l"), original);
}

TEST(FinderInfoStoreSafety, DamagedFinderInfoAttributeIsNeverOverwritten) {
    const QByteArray info = finderInfoBytes("TEXT", "ttxt", 0);
    for (const QByteArray& damaged : {info.left(31), info + 'x', QByteArray()}) {
        TempDir dir;
        const QByteArray file = dir.file("f");
        ASSERT_TRUE(setXattr(file, kFinderInfoAttr, damaged));
        EXPECT_EQ(FinderInfoStore::read(file).source, FinderInfoSource::None) << damaged.size();
        EXPECT_FALSE(FinderInfoStore::update(file, setInvisible)) << damaged.size();
        EXPECT_EQ(getXattr(file, kFinderInfoAttr), damaged) << damaged.size();
        EXPECT_FALSE(exists(dir / "._f"));
    }
}

// More than 64 KB of attribute names make the listing fail with E2BIG (tmpfs allows
// that many); the Finder information is still found by name and kept.
TEST(FinderInfoStoreSafety, FailedAttributeListingIsNotNoAttributes) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    MountNamespace::Mount disk;
    ASSERT_TRUE(disk.tmpfs(tmp.folder("disk"), "size=4m"));
    const QByteArray file = tmp.file("disk/f");
    const QByteArray info = finderInfoBytes("TEXT", "ttxt", 0);
    ASSERT_TRUE(setXattr(file, kFinderInfoAttr, info));
    for (int i = 0; i < 300; ++i) {
        const QByteArray name = "user." + QByteArray(240, 'n') + QByteArray::number(i);
        ASSERT_TRUE(setXattr(file, name.constData(), "v")) << i;
    }
    std::vector<char> names(size_t(::llistxattr(file.constData(), nullptr, 0)) + 1);
    ASSERT_LT(::llistxattr(file.constData(), names.data(), names.size()), 0);
    ASSERT_EQ(errno, E2BIG);

    const FinderInfoRead read = FinderInfoStore::read(file);
    EXPECT_EQ(read.source, FinderInfoSource::UserXattr);
    EXPECT_EQ(read.info.type(), "TEXT");
    ASSERT_TRUE(FinderInfoStore::update(file, setInvisible));
    QByteArray expected = info;
    expected[8] = 0x40;
    EXPECT_EQ(getXattr(file, kFinderInfoAttr), expected);
}

// EPERM from an immutable or append-only file or folder is a refusal, not a sign that
// the item cannot hold attributes: no companion appears.
TEST(FinderInfoStoreSafety, PermissionRefusalOnFilesAndFoldersCreatesNoCompanion) {
    CS_IN_MOUNT_NAMESPACE();
    TempDir tmp;
    MountNamespace::Mount disk;
    ASSERT_TRUE(disk.ext4(tmp / "ext4.img", tmp.folder("disk")));
    const struct {
        const char* name;
        bool folder;
        int flag;
    } cases[] = {
        {"immutable file", false, FS_IMMUTABLE_FL},
        {"append-only file", false, FS_APPEND_FL},
        {"immutable folder", true, FS_IMMUTABLE_FL},
        {"append-only folder", true, FS_APPEND_FL},
    };
    for (const auto& c : cases) {
        const QByteArray item = tmp / "disk/" + c.name;
        if (c.folder)
            ASSERT_EQ(::mkdir(item.constData(), 0755), 0);
        else
            tmp.file(QByteArray("disk/") + c.name);
        {
            InodeFlag locked(item, c.flag);
            ASSERT_TRUE(locked.isSet()) << c.name;
            EXPECT_FALSE(FinderInfoStore::update(item, setInvisible)) << c.name;
        }
        EXPECT_FALSE(exists(tmp / "disk/._" + c.name)) << c.name;
        EXPECT_EQ(FinderInfoStore::read(item).source, FinderInfoSource::None) << c.name;
    }

    // Another user's sticky folder refuses attributes with EPERM too, even where a
    // companion could be made beside it.
    const QByteArray sticky = tmp / "disk/shared";
    ASSERT_EQ(::mkdir(sticky.constData(), 0755), 0);
    ASSERT_EQ(::chmod(sticky.constData(), 01777), 0);
    ASSERT_EQ(::chown(sticky.constData(), 4321, 4321), 0);
    ASSERT_EQ(::chmod((tmp / "disk").constData(), 0777), 0);
    ::setfsuid(65534);
    const Status refused = FinderInfoStore::update(sticky, setInvisible);
    ::setfsuid(0);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(exists(tmp / "disk/._shared"));
}

// A name of 240 bytes leaves no room for a temporary name made from it; the rebuilt
// companion also keeps the old one's owner, mode and attributes.
TEST(FinderInfoStoreSafety, CompanionRebuiltForALongNameKeepsWhatItCarried) {
    TempDir dir;
    const QByteArray name(240, 'n');
    const QByteArray target = dir.file("t");
    const QByteArray link = dir / name;
    ASSERT_EQ(symlink(target.constData(), link.constData()), 0);
    // A companion with only a resource fork: adding Finder information rebuilds it.
    QByteArray original = header({{2, 38, 5}}, 43);
    original.replace(38, 5, "fork!");
    const QByteArray companion = dir.file("._" + name, original);
    ASSERT_EQ(::chmod(companion.constData(), 0640), 0);
    ASSERT_EQ(::lchown(companion.constData(), 4321, 4322), 0);
    ASSERT_TRUE(setXattr(companion, "user.kept", "yes"));

    ASSERT_TRUE(FinderInfoStore::update(link, setInvisible));
    const FinderInfoRead read = FinderInfoStore::read(link);
    EXPECT_EQ(read.source, FinderInfoSource::AppleDouble);
    EXPECT_EQ(read.info.flags(), FinderInfo::kIsInvisible);
    EXPECT_EQ(read.resourceForkSize, 5);
    struct stat st {};
    ASSERT_EQ(::lstat(companion.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(getXattr(companion, "user.kept"), "yes");
    EXPECT_EQ(QDir(QFile::decodeName(dir.path()))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                  .size(),
              3); // no temporary file left
}
