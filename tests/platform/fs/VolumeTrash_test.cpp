#include "platform/fs/TrashFixture.h"
#include "support/MountNamespace.h"

// "Other" is a real tmpfs here, mounted in a private mount namespace, so that moves
// between it and "HD" cross a file-system boundary as they would between two disks.
namespace {

class VolumeTrash : public TrashFixture {
  protected:
    void SetUp() override {
        if (!MountNamespace::inside())
            return;
        TrashFixture::SetUp();
        ASSERT_TRUE(m_mount.tmpfs(m_other, "size=2m"));
    }
    void TearDown() override {
        if (!MountNamespace::inside())
            return;
        TrashFixture::TearDown();
    }

    MountNamespace::Mount m_mount; // goes before the temporary folder holding it
};

} // namespace

TEST_F(VolumeTrash, TopFolderTrashIsMadeOnMoveWithRelativePaths) {
    CS_IN_MOUNT_NAMESPACE();
    m_tmp.folder("other/sub");
    m_tmp.file("other/sub/f 1", "one");
    FolderItemPtr files = other("sub/f 1")->trashFolder();
    ASSERT_TRUE(files);
    const QByteArray root = m_other + "/.Trash-" + m_uid;
    EXPECT_EQ(files->posixPath(), root + "/files");
    EXPECT_FALSE(present(root));

    ASSERT_TRUE(trash(m_other + "/sub/f 1").ok());
    EXPECT_EQ(mode(root), 0700);
    EXPECT_EQ(contents(root + "/files/f 1"), "one");
    EXPECT_EQ(pathLine(root + "/info/f 1.trashinfo"), "Path=sub/f%201");
    EXPECT_FALSE(present(m_home + "/.local"));
}

TEST_F(VolumeTrash, ASharedStickyTrashIsUsedALinkOrAPlainFolderIsNot) {
    CS_IN_MOUNT_NAMESPACE();
    m_tmp.folder("elsewhere");
    ::chmod((m_tmp.path() + "/elsewhere").constData(), 01777);
    const QByteArray shared = m_other + "/.Trash";
    const QByteArray own = m_other + "/.Trash-" + m_uid;
    const struct {
        const char* kind;
        std::function<void()> make;
        QByteArray expectedRoot;
    } cases[] = {
        {"sticky folder",
         [&] {
             ::mkdir(shared.constData(), 0777);
             ::chmod(shared.constData(), 01777);
         },
         shared + "/" + m_uid},
        {"folder without the sticky bit", [&] { ::mkdir(shared.constData(), 0777); }, own},
        {"link to a sticky folder",
         [&] { ::symlink((m_tmp.path() + "/elsewhere").constData(), shared.constData()); }, own},
    };
    for (const auto& c : cases) {
        c.make();
        m_tmp.file("other/x.txt", "x");
        ASSERT_TRUE(trash(m_other + "/x.txt").ok()) << c.kind;
        EXPECT_EQ(contents(c.expectedRoot + "/files/x.txt"), "x") << c.kind;
        EXPECT_EQ(pathLine(c.expectedRoot + "/info/x.txt.trashinfo"), "Path=x.txt") << c.kind;
        EXPECT_EQ(mode(c.expectedRoot), 0700) << c.kind;
        EXPECT_EQ(entries(m_tmp.path() + "/elsewhere"), QStringList{}) << c.kind;
        ::system(("rm -rf '" + shared + "' '" + own + "'").constData());
    }
}

TEST_F(VolumeTrash, NothingIsMovedAcrossVolumes) {
    CS_IN_MOUNT_NAMESPACE();
    m_tmp.file("hd/home/mine.txt", "home");
    m_tmp.file("other/theirs.txt", "other");
    FolderItemPtr homeItem = hd("home/mine.txt");
    FolderItemPtr otherItem = other("theirs.txt");
    FolderItemPtr otherTrash = otherItem->trashFolder();
    FolderItemPtr homeTrash = homeItem->trashFolder();
    EXPECT_FALSE(Trash::moveIn(*homeItem, *otherTrash, QStringLiteral("mine.txt")).ok());
    EXPECT_FALSE(Trash::moveIn(*otherItem, *homeTrash, QStringLiteral("theirs.txt")).ok());
    EXPECT_EQ(contents(m_home + "/mine.txt"), "home");
    EXPECT_EQ(contents(m_other + "/theirs.txt"), "other");
    // Neither trash was made for an item that could not go into it.
    EXPECT_EQ(entries(m_other), QStringList{"theirs.txt"});
    EXPECT_FALSE(present(m_home + "/.local"));

    // Where the volume table takes both for one volume, the file system still tells.
    Volumes::setTestTable(
        std::vector<Volumes::TestVolume>{{QStringLiteral("All"), m_tmp.path(), 33}});
    EXPECT_FALSE(trash(m_other + "/theirs.txt").ok());
    EXPECT_EQ(contents(m_other + "/theirs.txt"), "other");
    EXPECT_FALSE(present(m_home + "/.local"));
}

TEST_F(VolumeTrash, ATrashThatIsALinkIsNotMovedInto) {
    CS_IN_MOUNT_NAMESPACE();
    m_tmp.folder("other/elsewhere");
    const QByteArray own = m_other + "/.Trash-" + m_uid;
    ASSERT_EQ(::symlink((m_other + "/elsewhere").constData(), own.constData()), 0);
    m_tmp.file("other/x.txt", "x");
    EXPECT_FALSE(trash(m_other + "/x.txt").ok());
    EXPECT_EQ(contents(m_other + "/x.txt"), "x");
    EXPECT_EQ(entries(m_other + "/elsewhere"), QStringList{});
}
