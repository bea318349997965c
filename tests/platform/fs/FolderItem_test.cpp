#include "platform/fs/FinderInfoStore.h"
#include "platform/fs/FolderItem.h"
#include "platform/fs/NameCodec.h"
#include "platform/fs/Volumes.h"

#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kInfoAttr[] = "user.com.apple.FinderInfo";

QByteArray readBytes(const QByteArray& path) {
    QByteArray out;
    const int fd = ::open(path.constData(), O_RDONLY);
    char buf[4096];
    ssize_t n;
    while (fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, n);
    if (fd >= 0)
        ::close(fd);
    return out;
}

bool present(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

QByteArray finderInfoWith(const QByteArray& type, const QByteArray& creator, uint16_t flags = 0) {
    FinderInfo info;
    info.setType(type);
    info.setCreator(creator);
    info.setFlags(flags);
    return info.toBytes();
}

// Every test works on a temporary folder that the volume table calls "Test".
class FolderItemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Test", tmp.path(), 7}});
    }
    void TearDown() override { Volumes::setTestTable(std::nullopt); }

    FolderItemPtr item(const QByteArray& relative) const {
        return FolderItem::fromPosixPath(tmp / relative);
    }
    FolderItemPtr root() const { return Volumes::root(0); }

    TempDir tmp;
};

TEST_F(FolderItemTest, NamesDifferingInCaseAreTwoItems) {
    tmp.file("a.txt", "lower");
    tmp.file("A.txt", "upper");
    auto folder = root();
    ASSERT_EQ(folder->count(), 2);
    const auto lower = folder->trueChild("a.txt"), upper = folder->trueChild("A.txt");
    EXPECT_NE(lower->posixPath(), upper->posixPath());
    EXPECT_EQ(lower->readText().value(), "lower");
    EXPECT_EQ(upper->readText().value(), "upper");
    EXPECT_NE(lower->absolutePath(), upper->absolutePath());
}

TEST_F(FolderItemTest, NonUtf8NameRoundTripsThroughPathsAndLookups) {
    tmp.folder("sub");
    const QByteArray raw = "caf\x8E \x83\x65";
    tmp.file("sub/" + raw, "x");
    auto sub = item("sub");
    ASSERT_EQ(sub->count(), 1);
    const auto listed = sub->item(1);
    EXPECT_EQ(listed->posixPath(), tmp / "sub/" + raw);

    const QString colon = listed->absolutePath();
    const auto fromColon = FolderItem::fromAbsolutePath(colon);
    ASSERT_TRUE(fromColon);
    EXPECT_EQ(fromColon->posixPath(), listed->posixPath());

    const QString relative = colon.mid(colon.indexOf(':'));
    EXPECT_EQ(root()->trueChild(relative)->posixPath(), listed->posixPath());
    EXPECT_EQ(sub->trueChild(listed->name())->posixPath(), listed->posixPath());
    EXPECT_TRUE(sub->trueChild(listed->name())->exists());
}

TEST_F(FolderItemTest, ColonInPosixNameIsSlashInColonForm) {
    tmp.folder("x:y");
    tmp.file("x:y/a:b", "");
    const auto file = item("x:y/a:b");
    EXPECT_EQ(file->absolutePath(), "Test:x/y:a/b");
    EXPECT_EQ(item("x:y")->absolutePath(), "Test:x/y:");
    EXPECT_EQ(FolderItem::fromAbsolutePath("Test:x/y:a/b")->posixPath(), file->posixPath());
    EXPECT_EQ(root()->trueChild(":x/y:a/b")->posixPath(), file->posixPath());
    EXPECT_EQ(item("x:y")->trueChild("a:b")->posixPath(), file->posixPath());
}

TEST_F(FolderItemTest, VolumeRootAnswersRelativeAndAbsolutePaths) {
    tmp.folder("a");
    tmp.file("a/b.txt");
    const auto root = this->root();
    EXPECT_EQ(root->name(), "Test");
    EXPECT_EQ(root->absolutePath(), "Test:");
    EXPECT_FALSE(root->parent());
    EXPECT_EQ(root->trueChild(":a:b.txt")->posixPath(), tmp / "a/b.txt");
    EXPECT_EQ(root->trueChild("Test:a:b.txt")->posixPath(), tmp / "a/b.txt");
    EXPECT_EQ(root->trueChild(":a")->absolutePath(), "Test:a:");
    EXPECT_EQ(item("a/b.txt")->parent()->posixPath(), tmp / "a");
    // Paths that would climb out of the volume name no item.
    for (const char* escape : {":..:etc", ":a:..:..", ":.:a", "Test:..:x"})
        EXPECT_FALSE(root->trueChild(escape)) << escape;
    EXPECT_FALSE(FolderItem::fromAbsolutePath("Nowhere:a"));
}

TEST_F(FolderItemTest, RenameNeverReplacesAndRefusesBadNames) {
    tmp.file("a", "A");
    tmp.file("b", "B");
    auto a = item("a");
    const QString refused[] = {"b", "", ".", "..", "x/y", QString("n") + QChar(0) + "ul"};
    for (const QString& name : refused) {
        EXPECT_FALSE(a->rename(name)) << qPrintable(name);
        EXPECT_EQ(a->posixPath(), tmp / "a");
    }
    EXPECT_EQ(readBytes(tmp / "a"), "A");
    EXPECT_EQ(readBytes(tmp / "b"), "B");
    EXPECT_EQ(root()->count(), 2);

    ASSERT_TRUE(a->rename("A"));
    EXPECT_EQ(a->posixPath(), tmp / "A");
    EXPECT_EQ(readBytes(tmp / "A"), "A");
    EXPECT_FALSE(present(tmp / "a"));
}

TEST_F(FolderItemTest, RenameCarriesCompanionOrRefusesAsAWhole) {
    tmp.file("x.txt", "data");
    tmp.file("._x.txt", "companion");
    auto x = item("x.txt");
    ASSERT_TRUE(x->rename("y.txt"));
    EXPECT_EQ(readBytes(tmp / "._y.txt"), "companion");
    EXPECT_FALSE(present(tmp / "._x.txt"));

    // The companion's new name is taken: neither moves.
    tmp.file("._z.txt", "someone else's");
    EXPECT_FALSE(x->rename("z.txt"));
    EXPECT_TRUE(present(tmp / "y.txt"));
    EXPECT_FALSE(present(tmp / "z.txt"));
    EXPECT_EQ(readBytes(tmp / "._y.txt"), "companion");
    EXPECT_EQ(readBytes(tmp / "._z.txt"), "someone else's");
}

TEST_F(FolderItemTest, ListingSnapshotSkipsDotEntriesAndRereadsOnCount) {
    tmp.file("one");
    tmp.file("._one");
    auto folder = root();
    ASSERT_EQ(folder->count(), 2);
    EXPECT_FALSE(folder->item(0));
    EXPECT_FALSE(folder->item(3));
    tmp.file("two");
    EXPECT_FALSE(folder->item(3)) << "the snapshot stays until count() is asked again";
    EXPECT_EQ(folder->count(), 3);
    QStringList names;
    for (int i = 1; i <= 3; ++i)
        names << folder->item(i)->name();
    names.sort();
    EXPECT_EQ(names, QStringList({"._one", "one", "two"}));
    EXPECT_EQ(item("one")->count(), 0) << "a file has no items";
}

struct LinkCase {
    const char* label;
    QByteArray target; // relative to the temporary folder, or "ROOT"
    QByteArray type;
    QByteArray creator;
};

TEST_F(FolderItemTest, LinksTakeCodesFromWhatTheyPointTo) {
    tmp.folder("folder");
    tmp.folder("Tool.app");
    tmp.file("doc.txt", "x");
    ASSERT_TRUE(setXattr(tmp / "doc.txt", kInfoAttr, finderInfoWith("TEXT", "ttxt")));
    const QByteArray zero(4, '\0');
    const LinkCase cases[] = {
        {"folder", "folder", "fdrp", "MACS"},
        {"volume root", "ROOT", "hdsk", "MACS"},
        {"application", "Tool.app", "adrp", "MACS"},
        {"file", "doc.txt", "TEXT", "ttxt"},
        {"dangling", "gone", zero, zero},
    };
    for (const auto& c : cases) {
        const QByteArray link = tmp / (QByteArray("link-") + c.label);
        const QByteArray target = c.target == "ROOT" ? tmp.path() : tmp / c.target;
        ASSERT_EQ(::symlink(target.constData(), link.constData()), 0);
        const auto item = FolderItem::fromPosixPath(link);
        EXPECT_TRUE(item->isAlias()) << c.label;
        EXPECT_FALSE(item->isFolder()) << c.label;
        EXPECT_EQ(item->typeCode(), c.type) << c.label;
        EXPECT_EQ(item->creatorCode(), c.creator) << c.label;
    }
}

TEST_F(FolderItemTest, LinksOwnCodesWin) {
    tmp.folder("folder");
    ASSERT_EQ(::symlink((tmp / "folder").constData(), (tmp / "link").constData()), 0);
    auto link = item("link");
    ASSERT_TRUE(link->setTypeCode("ABCD"));
    const auto fresh = item("link");
    EXPECT_EQ(fresh->typeCode(), "ABCD");
    EXPECT_TRUE(present(tmp / "._link")) << "a link keeps its information in the companion";
    EXPECT_EQ(fresh->resolved()->posixPath(), tmp / "folder");
    EXPECT_EQ(root()->child("link")->posixPath(), tmp / "folder");
    EXPECT_EQ(root()->trueChild("link")->posixPath(), tmp / "link");
}

TEST_F(FolderItemTest, FoldersAndVolumeRootsKeepFixedCodes) {
    tmp.folder("f");
    auto folder = item("f");
    EXPECT_EQ(folder->typeCode(), "fold");
    EXPECT_EQ(folder->creatorCode(), "MACS");
    EXPECT_EQ(root()->typeCode(), "disk");
    EXPECT_TRUE(folder->setTypeCode("TEXT"));
    bool written = true;
    getXattr(tmp / "f", kInfoAttr, &written);
    EXPECT_FALSE(written);
    EXPECT_EQ(item("f")->typeCode(), "fold");
}

TEST_F(FolderItemTest, CodesAreWrittenOnlyAsFourBytes) {
    tmp.file("doc");
    auto doc = item("doc");
    ASSERT_TRUE(doc->setTypeCode("TEXT"));
    ASSERT_TRUE(doc->setCreatorCode("R*ch"));
    for (const QByteArray& bad : {QByteArray("ABC"), QByteArray("ABCDE"), QByteArray()}) {
        EXPECT_FALSE(doc->setTypeCode(bad)) << bad.constData();
        EXPECT_FALSE(doc->setCreatorCode(bad)) << bad.constData();
    }
    EXPECT_EQ(item("doc")->typeCode(), "TEXT");
    EXPECT_EQ(item("doc")->creatorCode(), "R*ch");
    ASSERT_TRUE(doc->setTypeCode(QByteArray(4, '\0')));
    EXPECT_EQ(item("doc")->typeCode(), QByteArray(4, '\0'));
    EXPECT_EQ(item("doc")->creatorCode(), "R*ch");
}

TEST_F(FolderItemTest, VisibilityAndAliasFlagsComeFromFinderInfo) {
    tmp.file("plain");
    tmp.file("alias");
    tmp.file(".dotted");
    ASSERT_TRUE(
        setXattr(tmp / "alias", kInfoAttr, finderInfoWith("fdrp", "MACS", FinderInfo::kIsAlias)));
    EXPECT_TRUE(item("alias")->isAlias());
    EXPECT_EQ(item("alias")->resolved()->posixPath(), tmp / "alias");
    EXPECT_FALSE(item("plain")->isAlias());
    EXPECT_TRUE(item(".dotted")->visible()) << "a leading dot is no Finder flag";

    ASSERT_TRUE(item("plain")->setVisible(false));
    EXPECT_FALSE(item("plain")->visible());
    ASSERT_TRUE(item("plain")->setVisible(true));
    EXPECT_TRUE(item("plain")->visible());
}

TEST_F(FolderItemTest, DisplayNameHidesFlaggedExtension) {
    tmp.file("Report.final.txt");
    tmp.file("shown.txt");
    ASSERT_TRUE(setXattr(tmp / "Report.final.txt", kInfoAttr,
                         finderInfoWith("TEXT", "ttxt", FinderInfo::kExtensionHidden)));
    EXPECT_EQ(item("Report.final.txt")->displayName(), "Report.final");
    EXPECT_EQ(item("Report.final.txt")->name(), "Report.final.txt");
    EXPECT_EQ(item("shown.txt")->displayName(), "shown.txt");
    EXPECT_EQ(root()->displayName(), "Test");
}

TEST_F(FolderItemTest, UserFoldersInHomeShowJapaneseNames) {
    const QByteArray home = tmp.folder("home");
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    struct Case {
        QByteArray name;
        bool folder;
        QString shown;
    };
    const Case cases[] = {
        {"Desktop", true, QString::fromUtf8("デスクトップ")},
        {"Videos", true, QString::fromUtf8("ムービー")},
        {"Stuff", true, "Stuff"},
        {"Music", false, "Music"},
    };
    for (const auto& c : cases) {
        if (c.folder)
            tmp.folder("home/" + c.name);
        else
            tmp.file("home/" + c.name);
        EXPECT_EQ(item("home/" + c.name)->displayName(), c.shown) << c.name.constData();
        EXPECT_EQ(item("home/" + c.name)->name(), QString::fromUtf8(c.name));
    }
    tmp.folder("elsewhere");
    tmp.folder("elsewhere/Desktop");
    EXPECT_EQ(item("elsewhere/Desktop")->displayName(), "Desktop");
    qputenv("HOME", oldHome);
    oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(FolderItemTest, TrashLookupFollowsFreedesktopAndCreatesNothing) {
    const QByteArray uid = QByteArray::number(::getuid());
    EXPECT_EQ(item("x")->trashFolder()->posixPath(), tmp / ".Trash-" + uid + "/files");
    EXPECT_EQ(root()->count(), 0) << "looking up created something";

    // A shared .Trash counts only when it is a real folder with the sticky bit.
    tmp.folder("elsewhere");
    ASSERT_EQ(::symlink((tmp / "elsewhere").constData(), (tmp / ".Trash").constData()), 0);
    ::chmod((tmp / "elsewhere").constData(), 01777);
    EXPECT_EQ(item("x")->trashFolder()->posixPath(), tmp / ".Trash-" + uid + "/files");
    ::unlink((tmp / ".Trash").constData());
    tmp.folder(".Trash");
    EXPECT_EQ(item("x")->trashFolder()->posixPath(), tmp / ".Trash-" + uid + "/files");
    ::chmod((tmp / ".Trash").constData(), 01777);
    EXPECT_EQ(item("x")->trashFolder()->posixPath(), tmp / ".Trash/" + uid + "/files");
    EXPECT_FALSE(present(tmp / ".Trash/" + uid));
}

TEST_F(FolderItemTest, HomeVolumeUsesTheUsersOwnTrash) {
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", tmp / "data");
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"Root", "/", 1}});
    EXPECT_EQ(item("x")->trashFolder()->posixPath(), tmp / "data/Trash/files");
    EXPECT_FALSE(present(tmp / "data"));
    oldData.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldData);
}

TEST_F(FolderItemTest, DeleteNeverFollowsLinksOutOfTheTree) {
    tmp.folder("outside");
    tmp.file("outside/keep.txt", "keep");
    tmp.folder("tree");
    tmp.folder("tree/deep");
    tmp.file("tree/deep/f", "f");
    tmp.file("._tree", "companion");
    ::symlink((tmp / "outside").constData(), (tmp / "tree/deep/to-folder").constData());
    ::symlink((tmp / "outside/keep.txt").constData(), (tmp / "tree/to-file").constData());
    ASSERT_TRUE(item("tree")->deleteItem());
    EXPECT_FALSE(present(tmp / "tree"));
    EXPECT_FALSE(present(tmp / "._tree"));
    EXPECT_EQ(readBytes(tmp / "outside/keep.txt"), "keep");

    ::symlink((tmp / "outside").constData(), (tmp / "link").constData());
    ASSERT_TRUE(item("link")->deleteItem());
    EXPECT_FALSE(present(tmp / "link"));
    EXPECT_TRUE(present(tmp / "outside/keep.txt"));
    EXPECT_FALSE(item("missing")->deleteItem());
}

TEST_F(FolderItemTest, SizesAreSixtyFourBit) {
    const QByteArray big = tmp.file("big");
    const int fd = ::open(big.constData(), O_WRONLY);
    ASSERT_EQ(::ftruncate(fd, 5'000'000'000LL), 0);
    ::close(fd);
    EXPECT_EQ(item("big")->dataForkSize(), 5'000'000'000LL);
    EXPECT_EQ(item("big")->resourceForkSize(), 0);
}

TEST_F(FolderItemTest, DatesReadAndModificationDateWrites) {
    tmp.file("d");
    auto d = item("d");
    EXPECT_TRUE(d->creationDate().isValid());
    const QDateTime when = QDateTime::fromString("2004-05-06T07:08:09", Qt::ISODate);
    ASSERT_TRUE(d->setModificationDate(when));
    EXPECT_EQ(item("d")->modificationDate(), when);
    const QDateTime created = item("d")->creationDate();
    EXPECT_TRUE(d->setCreationDate(when));
    EXPECT_EQ(item("d")->creationDate(), created);
    EXPECT_FALSE(item("missing")->modificationDate().isValid());
}

TEST_F(FolderItemTest, TextFilesRoundTripAndLeaveNoTemporaries) {
    auto prefs = item("Cloakswitch Prefs");
    const QString text = QString::fromUtf8("一行目\rsecond\rtrue");
    ASSERT_TRUE(prefs->writeText(text));
    ASSERT_TRUE(prefs->writeText(text + "!"));
    EXPECT_EQ(prefs->readText().value(), text + "!");
    EXPECT_EQ(root()->count(), 1);
    EXPECT_FALSE(item("missing")->readText());
}

TEST_F(FolderItemTest, CreateAsFolderRefusesExistingItem) {
    auto f = item("new");
    ASSERT_TRUE(f->createAsFolder());
    EXPECT_TRUE(f->isFolder());
    EXPECT_EQ(f->absolutePath(), "Test:new:");
    EXPECT_FALSE(f->createAsFolder());
}

TEST_F(FolderItemTest, PosixPathsAreCanonicalButALastLinkStaysALink) {
    tmp.folder("real");
    ::symlink((tmp / "real").constData(), (tmp / "via").constData());
    EXPECT_EQ(item("via/x")->posixPath(), tmp / "real/x");
    EXPECT_EQ(item("via")->posixPath(), tmp / "via");
    EXPECT_EQ(item("real/./../real/")->posixPath(), tmp / "real");
    EXPECT_EQ(item("real/..")->posixPath(), tmp.path());
    EXPECT_FALSE(FolderItem::fromPosixPath(""));
}

} // namespace
