#include "platform/fs/FolderItem.h"
#include "platform/fs/Volumes.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool present(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

bool isLink(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

QByteArray readBytes(const QByteArray& path) {
    QFile f(QFile::decodeName(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QByteArray& folder) {
    return QDir(QFile::decodeName(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Returns to the previous working folder when it goes.
class WorkingFolder {
  public:
    explicit WorkingFolder(const QByteArray& path) : m_old(::open(".", O_RDONLY | O_DIRECTORY)) {
        m_ok = ::chdir(path.constData()) == 0;
    }
    ~WorkingFolder() {
        if (m_old >= 0) {
            (void)::fchdir(m_old);
            ::close(m_old);
        }
    }
    bool ok() const { return m_ok; }

  private:
    int m_old;
    bool m_ok = false;
};

class FolderItemSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Test", tmp.path(), 7}});
    }
    void TearDown() override { Volumes::setTestTable(std::nullopt); }
    FolderItemPtr item(const QByteArray& relative) const {
        return FolderItem::fromPosixPath(tmp / relative);
    }
    TempDir tmp;
};

TEST_F(FolderItemSafety, ReplacingATextFileKeepsWhatTheFileCarried) {
    tmp.folder("managed");
    const QByteArray real = tmp.file("managed/prefs", "old");
    ASSERT_EQ(::chmod(real.constData(), 0604), 0);
    ASSERT_EQ(::chown(real.constData(), 4321, 4322), 0);
    ASSERT_TRUE(setXattr(real, "user.origin", "dotfiles"));
    ::symlink("managed/prefs", (tmp / "prefs").constData());

    ASSERT_TRUE(item("prefs")->writeText(QStringLiteral("new")));
    EXPECT_TRUE(isLink(tmp / "prefs"));
    EXPECT_EQ(readBytes(real), "new");
    struct stat st {};
    ASSERT_EQ(::lstat(real.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(getXattr(real, "user.origin"), "dotfiles");
    EXPECT_EQ(entries(tmp / "managed"), QStringList{"prefs"});

    // A failed replacement leaves the old file and no temporary file.
    ASSERT_EQ(::chmod((tmp / "managed").constData(), 0555), 0);
    ::setfsuid(65534);
    const Status refused = item("prefs")->writeText(QStringLiteral("newer"));
    ::setfsuid(0);
    ::chmod((tmp / "managed").constData(), 0755);
    EXPECT_FALSE(refused);
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(entries(tmp / "managed"), QStringList{"prefs"});
}

TEST_F(FolderItemSafety, RelativePathsKeepTheWorkingFoldersBytes) {
    // "caf\xe9" (Mac Roman/Latin-1) beside "caf\xef\xbf\xbd", which is what decoding it
    // to text and back would make of it.
    const QByteArray latin = tmp.folder("caf\xe9");
    const QByteArray lookalike = tmp.folder("caf\xef\xbf\xbd");
    tmp.file("caf\xe9/rel", "mine");
    tmp.file("caf\xef\xbf\xbd/rel", "other");
    WorkingFolder cwd(latin);
    ASSERT_TRUE(cwd.ok());
    const auto rel = FolderItem::fromPosixPath("rel");
    ASSERT_TRUE(rel);
    EXPECT_EQ(rel->posixPath(), latin + "/rel");
    ASSERT_TRUE(rel->setVisible(false));
    EXPECT_FALSE(getXattr(latin + "/rel", "user.com.apple.FinderInfo").isEmpty());
    EXPECT_TRUE(getXattr(lookalike + "/rel", "user.com.apple.FinderInfo").isEmpty());
}

TEST_F(FolderItemSafety, TrailingSlashNamesTheFolderALinkPointsTo) {
    tmp.folder("realdir");
    ::symlink("realdir", (tmp / "dl").constData());
    const struct {
        const char* given;
        const char* expected;
    } cases[] = {
        {"dl", "dl"},
        {"dl/", "realdir"},
        {"dl//", "realdir"},
        {"realdir/", "realdir"},
        {"missing/", "missing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(item(c.given)->posixPath(), tmp / c.expected) << c.given;
    ASSERT_TRUE(item("dl/")->setVisible(false));
    EXPECT_FALSE(present(tmp / "._dl"));
    EXPECT_FALSE(item("realdir")->visible());
}

// Only a regular file "._NAME" is a companion; a folder or link of that name stays.
TEST_F(FolderItemSafety, OnlyARegularFileCompanionGoesAlong) {
    enum class Op { Rename, MoveInto, Delete };
    const struct {
        const char* name;
        Op op;
        bool companionIsFolder;
    } cases[] = {
        {"rename with folder", Op::Rename, true}, {"rename with link", Op::Rename, false},
        {"move with folder", Op::MoveInto, true}, {"move with link", Op::MoveInto, false},
        {"delete with folder", Op::Delete, true}, {"delete with link", Op::Delete, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Test", dir.path(), 7}});
        dir.folder("dest");
        dir.file("f", "data");
        dir.file("kept", "outside");
        const QByteArray companion = dir / "._f";
        if (c.companionIsFolder) {
            dir.folder("._f");
            dir.file("._f/inside", "x");
        } else {
            ::symlink("kept", companion.constData());
        }
        auto f = FolderItem::fromPosixPath(dir / "f");
        Status done = c.op == Op::Rename     ? f->rename(QStringLiteral("g"))
                      : c.op == Op::MoveInto ? f->moveInto(*FolderItem::fromPosixPath(dir / "dest"))
                                             : f->deleteItem();
        EXPECT_TRUE(done) << c.name;
        EXPECT_TRUE(present(companion)) << c.name;
        EXPECT_EQ(readBytes(dir / "kept"), "outside") << c.name;
        if (c.companionIsFolder) {
            EXPECT_TRUE(present(dir / "._f/inside")) << c.name;
        }
        EXPECT_FALSE(present(dir / "._g")) << c.name;
        EXPECT_FALSE(present(dir / "dest/._f")) << c.name;
    }
}

} // namespace
