#include "fileitems/ItemKinds.h"

#include "support/TestVolumes.h"

#include <unistd.h>

using namespace fileitems;

using ItemKinds = TestVolumes;

TEST_F(ItemKinds, IsPackageLooksForBundleContents)
{
    const struct {
        QByteArray folder;
        QByteArray inside; // "" for nothing, a trailing "/" for a folder
        bool package;
    } cases[] = {
        {"Foo.app", "Contents/", true},
        {"Foo.rtfd", "", true},
        {"Foo.RTFD", "", true},
        {"Foo", "Contents/", false},
        {"Empty.app", "", false},
        {"._Foo.app", "Contents/", true},
        {"._Bar.app", "", false},
        {".hidden", "Contents/", false},
        {"Photos.2004", "Info.plist", true},
        {"Plist.app", "Info.plist/", false},
        {"File.app", "Contents", false},
        {"Lower.app", "contents/", false},
    };
    for (const auto& c : cases) {
        m_tmp.folder("hd/" + c.folder);
        if (c.inside.endsWith('/'))
            m_tmp.folder("hd/" + c.folder + "/" + c.inside.chopped(1));
        else if (!c.inside.isEmpty())
            m_tmp.file("hd/" + c.folder + "/" + c.inside);
        EXPECT_EQ(isPackage(hd(c.folder)), c.package) << c.folder.constData();
    }
    m_tmp.file("hd/x.app");
    EXPECT_FALSE(isPackage(hd("x.app")));
    EXPECT_FALSE(isPackage(hd("missing.rtfd")));
    EXPECT_FALSE(isPackage(nullptr));
}

TEST_F(ItemKinds, RowKindFollowsTheFirstMatchingRule)
{
    m_tmp.folder("hd/Plain");
    m_tmp.folder("hd/Tool.app");
    m_tmp.folder("hd/Doc.rtfd");
    m_tmp.file("hd/note.txt");
    const QByteArray app = m_tmp.file("hd/runner");
    const QByteArray appAlias = m_tmp.file("hd/runner alias");
    const QByteArray folderType = m_tmp.file("hd/odd");
    setXattr(app, "user.com.apple.FinderInfo", finderInfo(0, "appl"));
    setXattr(appAlias, "user.com.apple.FinderInfo", finderInfo(0x8000, "adrp"));
    setXattr(folderType, "user.com.apple.FinderInfo", finderInfo(0, "fdrp"));
    ::symlink((m_hd + "/Plain").constData(), (m_hd + "/to folder").constData());
    ::symlink((m_hd + "/note.txt").constData(), (m_hd + "/to file").constData());
    ::symlink((m_hd + "/gone").constData(), (m_hd + "/dangling").constData());
    ::symlink(m_hd.constData(), (m_hd + "/to volume").constData());

    using P = RowPicture;
    const struct {
        QByteArray name;
        P picture;
        bool folderRow;
        bool folderRowUnexpanded;
        bool noSize;
    } cases[] = {
        {"Plain", P::Folder, true, true, true},
        {"Tool.app", P::Application, false, false, true},
        {"runner", P::Application, false, false, false},
        {"runner alias", P::ApplicationAlias, false, false, false},
        {"Doc.rtfd", P::File, false, false, true},
        {"note.txt", P::File, false, false, false},
        {"odd", P::Folder, true, true, true},
        {"to folder", P::FolderAlias, true, false, true},
        {"to volume", P::VolumeAlias, true, false, true},
        {"to file", P::FileAlias, false, false, false},
        {"dangling", P::FileAlias, false, false, false},
    };
    for (const auto& c : cases) {
        const RowKind kind = rowKind(hd(c.name), true);
        EXPECT_EQ(kind.picture, c.picture) << c.name.constData();
        EXPECT_EQ(kind.folderRow, c.folderRow) << c.name.constData();
        EXPECT_EQ(rowKind(hd(c.name), false).folderRow, c.folderRowUnexpanded)
            << c.name.constData();
        EXPECT_EQ(hasNoSize(hd(c.name), true), c.noSize) << c.name.constData();
    }
}
