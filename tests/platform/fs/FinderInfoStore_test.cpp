#include "platform/fs/FinderInfoStore.h"

#include "AppleDoubleBytes.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace AppleDoubleBytes;

namespace {

constexpr const char* kFinderInfoAttr = "user.com.apple.FinderInfo";
constexpr const char* kNetatalkAttr = "user.org.netatalk.Metadata";
constexpr const char* kSambaAttr = "user.DosStream.AFP_AfpInfo:$DATA";

QByteArray readFile(const QByteArray& path)
{
    QByteArray out;
    if (FILE* f = fopen(path.constData(), "rb")) {
        char buf[8192];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0)
            out.append(buf, qsizetype(n));
        fclose(f);
    }
    return out;
}

bool exists(const QByteArray& path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

struct timespec mtimeOf(const QByteArray& path)
{
    struct stat st {};
    lstat(path.constData(), &st);
    return st.st_mtim;
}

void makeOld(const QByteArray& path)
{
    struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW);
}

QByteArray netatalk(const QByteArray& finderInfo)
{
    QByteArray b = header({{9, 122, 32}}, 402);
    b.replace(122, 32, finderInfo);
    for (int i = 154; i < 402; ++i)
        b[i] = char(i);
    return b;
}

QByteArray samba(const QByteArray& finderInfo)
{
    QByteArray b(61, 'p');
    b.replace(0, 4, QByteArray("AFP\0", 4));
    b.replace(16, 32, finderInfo);
    b[60] = 0;
    return b;
}

auto setInvisible = [](FinderInfo& fi) { fi.setFlags(fi.flags() | FinderInfo::kIsInvisible); };
auto clearAll = [](FinderInfo& fi) { fi = FinderInfo{}; };

} // namespace

TEST(FinderInfoStore, UserAttributeRoundTrip)
{
    TempDir dir;
    const QByteArray file = dir.file("a.txt", "data");
    EXPECT_EQ(FinderInfoStore::read(file).source, FinderInfoSource::None);

    ASSERT_TRUE(FinderInfoStore::update(file, [](FinderInfo& fi) { fi.setType("TEXT"); }));
    bool present = false;
    EXPECT_EQ(getXattr(file, kFinderInfoAttr, &present), "TEXT" + QByteArray(28, '\0'));
    FinderInfoRead read = FinderInfoStore::read(file);
    EXPECT_EQ(read.source, FinderInfoSource::UserXattr);
    EXPECT_EQ(read.info.type(), "TEXT");

    ASSERT_TRUE(FinderInfoStore::update(file, clearAll));
    getXattr(file, kFinderInfoAttr, &present);
    EXPECT_FALSE(present); // thirty-two zeros remove the attribute
    EXPECT_FALSE(exists(FinderInfoStore::companionPath(file)));
}

TEST(FinderInfoStore, WritingAFlagChangesOnlyThoseBytes)
{
    TempDir dir;
    const QByteArray file = dir.file("doc", "content");
    QByteArray original = finderInfoBytes("TEXT", "ttxt", 0x0100);
    original[20] = 0x7f;
    ASSERT_TRUE(setXattr(file, kFinderInfoAttr, original));
    makeOld(file);

    ASSERT_TRUE(FinderInfoStore::update(file, setInvisible));
    QByteArray expected = original;
    expected[8] = 0x41;
    EXPECT_EQ(getXattr(file, kFinderInfoAttr), expected);
    EXPECT_EQ(mtimeOf(file).tv_sec, 1000000000);
    EXPECT_EQ(readFile(file), "content");

    ASSERT_TRUE(FinderInfoStore::update(file, [](FinderInfo& fi) { fi.setCreator("R*ch"); }));
    expected.replace(4, 4, "R*ch");
    EXPECT_EQ(getXattr(file, kFinderInfoAttr), expected);
}

TEST(FinderInfoStore, ReadsSourcesInOrder)
{
    const QByteArray a = finderInfoBytes("AAAA", "aaaa", 0);
    const QByteArray b = finderInfoBytes("BBBB", "bbbb", 0);
    const struct {
        const char* name;
        QByteArray user, netatalkBlob, sambaBlob, companion;
        FinderInfoSource source;
        const char* type;
    } cases[] = {
        {"user attribute first", a, netatalk(b), samba(b), {}, FinderInfoSource::UserXattr, "AAAA"},
        {"netatalk before Samba", {}, netatalk(a), samba(b), {}, FinderInfoSource::Netatalk, "AAAA"},
        {"Samba before companion", {}, {}, samba(a), macCompanion(b, 0, {}),
         FinderInfoSource::Samba, "AAAA"},
        {"companion last", {}, {}, {}, macCompanion(b, 0, {}), FinderInfoSource::AppleDouble,
         "BBBB"},
        {"malformed netatalk skipped", {}, netatalk(a).left(300), {}, macCompanion(b, 0, {}),
         FinderInfoSource::AppleDouble, "BBBB"},
        {"wrong-sized user attribute skipped", a.left(31), {}, samba(b), {},
         FinderInfoSource::Samba, "BBBB"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QByteArray file = dir.file("f");
        if (!c.user.isEmpty())
            setXattr(file, kFinderInfoAttr, c.user);
        if (!c.netatalkBlob.isEmpty())
            setXattr(file, kNetatalkAttr, c.netatalkBlob);
        if (!c.sambaBlob.isEmpty())
            setXattr(file, kSambaAttr, c.sambaBlob);
        if (!c.companion.isEmpty())
            dir.file("._f", c.companion);
        FinderInfoRead read = FinderInfoStore::read(file);
        EXPECT_EQ(read.source, c.source) << c.name;
        EXPECT_EQ(read.info.type(), c.type) << c.name;
    }
}

TEST(FinderInfoStore, WritesIntoNetatalkAndSambaKeepingTheirOtherBytes)
{
    TempDir dir;
    const QByteArray fi = finderInfoBytes("TEXT", "ttxt", 0);
    const struct {
        const char* attr;
        QByteArray blob;
        int at;
    } cases[] = {{kNetatalkAttr, netatalk(fi), 122}, {kSambaAttr, samba(fi), 16}};
    for (const auto& c : cases) {
        const QByteArray file = dir.file(c.attr + 5);
        ASSERT_TRUE(setXattr(file, c.attr, c.blob));
        ASSERT_TRUE(FinderInfoStore::update(file, setInvisible));
        QByteArray expected = c.blob;
        expected[c.at + 8] = 0x40;
        EXPECT_EQ(getXattr(file, c.attr), expected) << c.attr;
        // Cleared, the container stays: it was never the program's to remove.
        ASSERT_TRUE(FinderInfoStore::update(file, clearAll));
        EXPECT_EQ(getXattr(file, c.attr).size(), c.blob.size()) << c.attr;
        bool present = true;
        getXattr(file, kFinderInfoAttr, &present);
        EXPECT_FALSE(present) << c.attr;
    }
}

TEST(FinderInfoStore, SymbolicLinkUsesTheCompanion)
{
    TempDir dir;
    const QByteArray target = dir.file("target", "x");
    const QByteArray link = dir / "link";
    ASSERT_EQ(symlink(target.constData(), link.constData()), 0);

    ASSERT_TRUE(FinderInfoStore::update(link, [](FinderInfo& fi) {
        fi.setType("slnk");
        fi.setCreator("rhap");
    }));
    const QByteArray companion = dir / "._link";
    EXPECT_EQ(readFile(companion).size(), 4096);
    FinderInfoHints symlinkHints;
    symlinkHints.isSymlink = true;
    FinderInfoRead read = FinderInfoStore::read(link, symlinkHints);
    EXPECT_EQ(read.source, FinderInfoSource::AppleDouble);
    EXPECT_EQ(read.info.creator(), "rhap");
    EXPECT_EQ(FinderInfoStore::read(target).source, FinderInfoSource::None);
    EXPECT_FALSE(exists(dir / "._target"));

    // A listing that knows there is no companion spares the look.
    FinderInfoHints none = symlinkHints;
    none.companionExists = false;
    EXPECT_EQ(FinderInfoStore::read(link, none).source, FinderInfoSource::None);

    ASSERT_TRUE(FinderInfoStore::update(link, clearAll, symlinkHints));
    EXPECT_FALSE(exists(companion)); // nothing left in it
}

TEST(FinderInfoStore, ExistingCompanionIsPatchedInPlace)
{
    TempDir dir;
    const QByteArray target = dir.file("t");
    const QByteArray link = dir / "l";
    ASSERT_EQ(symlink(target.constData(), link.constData()), 0);
    QByteArray fork(300, 'r');
    const QByteArray original = macCompanion(finderInfoBytes("TEXT", "ttxt", 0), 1, fork);
    const QByteArray companion = dir.file("._l", original);

    ASSERT_TRUE(FinderInfoStore::update(link, setInvisible));
    QByteArray expected = original;
    expected[58] = 0x40;
    EXPECT_EQ(readFile(companion), expected);
    EXPECT_EQ(FinderInfoStore::read(link).resourceForkSize, 300);

    // Zero Finder information, but other attributes and a fork: the companion stays.
    ASSERT_TRUE(FinderInfoStore::update(link, clearAll));
    EXPECT_EQ(readFile(companion).mid(82), original.mid(82));
}

TEST(FinderInfoStore, UnreadableCompanionIsNeverOverwritten)
{
    TempDir dir;
    const QByteArray broken = header({{9, 38, 31}}, 100); // Finder info shorter than 32
    const QByteArray file = dir.file("f");
    dir.file("._f", broken);
    const QByteArray target = dir.file("t");
    const QByteArray link = dir / "l";
    ASSERT_EQ(symlink(target.constData(), link.constData()), 0);
    dir.file("._l", broken);

    EXPECT_EQ(FinderInfoStore::read(file).source, FinderInfoSource::None);
    ASSERT_TRUE(FinderInfoStore::update(file, setInvisible)); // goes to the attribute
    EXPECT_EQ(FinderInfoStore::read(file).source, FinderInfoSource::UserXattr);
    EXPECT_FALSE(FinderInfoStore::update(link, setInvisible)); // nowhere else to go
    EXPECT_EQ(readFile(dir / "._f"), broken);
    EXPECT_EQ(readFile(dir / "._l"), broken);
}

TEST(FinderInfoStore, ResourceForkSizes)
{
    TempDir dir;
    const QByteArray inAttr = dir.file("a");
    ASSERT_TRUE(setXattr(inAttr, "user.com.apple.ResourceFork", QByteArray(1234, 'r')));
    EXPECT_EQ(FinderInfoStore::read(inAttr).resourceForkSize, 1234);

    const QByteArray inCompanion = dir.file("b");
    dir.file("._b", macCompanion(QByteArray(32, '\0'), 0, QByteArray(77, 'r')));
    EXPECT_EQ(FinderInfoStore::read(inCompanion).resourceForkSize, 77);
    EXPECT_EQ(FinderInfoStore::read(dir.file("c")).resourceForkSize, 0);
}

TEST(FinderInfoStore, CompanionPaths)
{
    EXPECT_EQ(FinderInfoStore::companionPath("/a/b/name.txt"), "/a/b/._name.txt");
    EXPECT_EQ(FinderInfoStore::companionPath("/top"), "/._top");
    EXPECT_EQ(FinderInfoStore::companionPath("/"), "");
    EXPECT_EQ(FinderInfoStore::companionPath("/a/.."), "");
}

// As root, permission checks are made with a plain user's file-system id.
class AsPlainUser {
public:
    AsPlainUser() : m_root(geteuid() == 0) { if (m_root) setfsuid(65534); }
    ~AsPlainUser() { if (m_root) setfsuid(0); }

private:
    bool m_root;
};

TEST(FinderInfoStore, PermissionRefusalCreatesNoCompanion)
{
    TempDir dir;
    chmod(dir.path().constData(), 0777); // a companion could be made here
    const QByteArray file = dir.file("locked");
    chmod(file.constData(), 0444);
    {
        AsPlainUser plain;
        EXPECT_FALSE(FinderInfoStore::update(file, setInvisible));
    }
    EXPECT_FALSE(exists(dir / "._locked"));
    EXPECT_EQ(FinderInfoStore::read(file).source, FinderInfoSource::None);
}
