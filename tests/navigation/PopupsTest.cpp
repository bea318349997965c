#include "NavigationFixture.h"

#include "platform/gui/MessageBox.h"
#include "platform/gui/Shapes.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

const QString kDropRefused = QStringLiteral(
    "基準フォルダを変更できません。\r\rFinderからのドロップだけしか受け付けられません。\r"
    "また、複数項目をドロップする事はできません。");

class Popups : public Navigation {
protected:
    void useTable(std::vector<Volumes::TestVolume> table)
    {
        Volumes::setTestTable(std::move(table));
        w().VolPop_MouseEnter();
    }
    std::vector<Volumes::TestVolume> twoVolumes() const
    {
        return {{"HD", m_hd, 11}, {"Other", m_other, 22}};
    }
    int messages() const
    {
        int n = 0;
        for (const ModalRecord& r : m_responder.records)
            n += r.kind == ModalRecord::Kind::Message;
        return n;
    }
};

} // namespace

// PathPop shows display names, PathPop2 keeps the stored names the path is built from.
TEST_F(Popups, PathPopShowsDisplayNamesAndChoosesByStoredNames)
{
    struct Case {
        QByteArray folder;
        QString shown;
    };
    const Case cases[] = {
        {"Notes.d", "Notes"},               // extension hidden by the Finder flags
        {"\x83\x65\x83\x58", QString()},    // Shift-JIS bytes, not UTF-8
        {"a:b", "a:b"},                     // a colon inside a name
    };
    for (const Case& c : cases) {
        m_tmp.folder("hd/" + c.folder);
        m_tmp.folder("hd/" + c.folder + "/sub");
        if (c.folder == "Notes.d")
            setXattr(m_hd + "/" + c.folder, "user.com.apple.FinderInfo", finderInfo(0x0010));
        start(c.folder + "/sub");
        const FolderItemPtr folder = hd(c.folder);
        EXPECT_EQ(rows(*w().PathPop), QStringList({"sub", folder->displayName(), "HD"}));
        EXPECT_EQ(rows(*w().PathPop2), QStringList({"sub", folder->name(), "HD"}));
        if (!c.shown.isEmpty()) {
            EXPECT_EQ(w().PathPop->list(1), c.shown);
        }
        EXPECT_EQ(w().PathPop->listIndex(), 0);

        w().PathPop->setListIndex(1);
        EXPECT_EQ(base()->posixPath(), folder->posixPath()) << c.folder.toHex().constData();
        EXPECT_EQ(w().curBase, 1);
        EXPECT_EQ(w().PathPop->listIndex(), 0) << "the new listing names its own folder";
    }
}

TEST_F(Popups, TheLastPathRowListsTheVolumeRoot)
{
    m_tmp.folder("other/x");
    m_tmp.folder("other/x/y");
    start();
    w().ResetFileListBox(other("x/y"), true);
    EXPECT_EQ(w().VolPop->listIndex(), 1);
    w().PathPop->setListIndex(2);
    EXPECT_TRUE(base()->isVolumeRoot());
    EXPECT_EQ(base()->posixPath(), m_other);
    EXPECT_EQ(w().baseFolder.size(), 3u);
}

// The first volume of a name is the one an absolute path names; the path pop-up must
// still stay on the volume it shows.
TEST_F(Popups, TwoVolumesOfOneNameKeepTheirOwnPaths)
{
    for (const char* folder : {"hd/x", "hd/x/y", "other/x", "other/x/y"})
        m_tmp.folder(folder);
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"HD", m_hd, 11}, {"HD", m_other, 22}});
    start();
    w().ResetFileListBox(other("x/y"), true);
    w().PathPop->setListIndex(1);
    EXPECT_EQ(base()->posixPath(), m_other + "/x");
    EXPECT_EQ(base()->volumeRef(), 22);
    EXPECT_EQ(w().VolPop->listIndex(), 1);
}

TEST_F(Popups, APathThatNoLongerResolvesChangesNothing)
{
    m_tmp.folder("hd/a");
    start("a/b");
    ASSERT_EQ(std::rename((m_hd + "/a").constData(), (m_hd + "/renamed").constData()), 0);
    w().PathPop->setListIndex(1);
    EXPECT_EQ(positionPaths(), QStringList({":a:b"}));
    EXPECT_EQ(w().PathPop->listIndex(), 0);
}

TEST_F(Popups, VolPopFollowsMountsEjectsAndRenames)
{
    start();
    EXPECT_EQ(rows(*w().VolPop), QStringList({"HD", "Other"}));
    EXPECT_EQ(w().vrefNums, std::vector<int>({11, 22}));
    EXPECT_EQ(w().VolPop->listIndex(), 0);

    const QByteArray third = m_tmp.folder("third");
    auto table = twoVolumes();
    table.push_back({"Third", third, 33});
    useTable(table);
    EXPECT_TRUE(w().isVrefOk());
    EXPECT_EQ(rows(*w().VolPop), QStringList({"HD", "Other", "Third"}));

    w().VolPop->setListIndex(2);
    EXPECT_EQ(base()->posixPath(), third);
    EXPECT_EQ(w().curBase, 1);

    table[1].name = "Renamed";
    useTable(table);
    EXPECT_EQ(rows(*w().VolPop), QStringList({"HD", "Renamed", "Third"}));
    table[1].name = "RENAMED"; // only the letter case differs
    useTable(table);
    EXPECT_EQ(rows(*w().VolPop), QStringList({"HD", "Renamed", "Third"}));
    EXPECT_EQ(w().VolPop->listIndex(), 2);
    EXPECT_EQ(w().curBase, 1) << "no selection from code moves the base folder";

    table.pop_back(); // the base folder's volume goes
    useTable(table);
    EXPECT_EQ(rows(*w().VolPop), QStringList({"HD", "RENAMED"}));
    EXPECT_EQ(w().VolPop->listIndex(), 0);
    EXPECT_EQ(base()->posixPath(), m_hd);
    EXPECT_EQ(w().baseFolder.size(), 2u) << "the position is replaced, not added";
    EXPECT_EQ(w().PathPop->list(0), "HD");
}

TEST_F(Popups, ANewReferenceRebuildsTheRows)
{
    start();
    useTable({{"HD", m_hd, 11}, {"Other", m_other, 23}}); // ejected and mounted again
    EXPECT_EQ(w().vrefNums, std::vector<int>({11, 23}));
    EXPECT_TRUE(w().isVrefOk());
}

TEST_F(Popups, DroppingOnTheBaseFolderBox)
{
    m_tmp.folder("hd/base");
    m_tmp.folder("hd/elsewhere");
    m_tmp.file("hd/file.txt", "text");
    struct Case {
        const char* what;
        std::vector<FolderItemPtr> items;
        bool moves;
    };
    start("base");
    const Case cases[] = {
        {"nothing", {}, false},
        {"the base folder itself", {hd("base")}, false},
        {"a file", {hd("file.txt")}, false},
        {"a folder that does not exist", {hd("missing")}, false},
        {"a folder", {hd("elsewhere")}, true},
        {"a disk", {FolderItem::fromPosixPath(m_other)}, true},
    };
    for (const Case& c : cases) {
        const size_t before = w().baseFolder.size();
        w().BaseDropBox->dropObject(c.items);
        EXPECT_EQ(w().baseFolder.size(), before + (c.moves ? 1 : 0)) << c.what;
        if (c.moves) {
            EXPECT_EQ(base()->posixPath(), c.items.front()->posixPath()) << c.what;
        }
    }
    EXPECT_EQ(messages(), 0);
}

TEST_F(Popups, DroppingSeveralItemsIsRefusedWithAMessage)
{
    m_tmp.folder("hd/a");
    m_tmp.folder("hd/b");
    start();
    w().BaseDropBox->dropObject({hd("a"), hd("b")});
    ASSERT_EQ(messages(), 1);
    EXPECT_EQ(m_responder.records.back().texts, QStringList({kDropRefused}));
    EXPECT_EQ(positionPaths(), QStringList({""}));
}

// Another program drags file URLs (a folder's may end in "/"). The box takes a drag that
// carries a folder or disk and refuses any other, so that the pointer shows whether a
// drop would do something.
TEST_F(Popups, TheBaseFolderBoxTakesFoldersAndDisksFromAnotherProgram)
{
    m_tmp.folder("hd/dropped");
    m_tmp.file("hd/note.txt", "text");
    start();
    const struct {
        const char* what;
        QByteArray path;
        bool taken;
    } cases[] = {
        {"a file", m_hd + "/note.txt", false},
        {"a folder", m_hd + "/dropped/", true},
        {"a disk", m_other, true},
    };
    QWidget* box = w().BaseDropBox->widget();
    for (const auto& c : cases) {
        const size_t before = w().baseFolder.size();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromUtf8(c.path))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        EXPECT_EQ(enter.isAccepted(), c.taken) << c.what;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
        EXPECT_EQ(w().baseFolder.size(), before + (c.taken ? 1 : 0)) << c.what;
    }
    EXPECT_EQ(positionPaths(), QStringList({"", ":dropped", ""}));
    EXPECT_EQ(messages(), 0);
}
