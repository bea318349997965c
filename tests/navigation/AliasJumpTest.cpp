#include "mainwindow/Window1.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Services.h"
#include "support/TestVolumes.h"

#include <unistd.h>

namespace {

// A folder "f" on the volume "HD" holding links to originals here and elsewhere.
class AliasJump : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        Services::instance().setModalResponder(&m_responder);
        m_tmp.folder("hd/f");
        m_tmp.folder("hd/g");
        m_tmp.folder("hd/g/target");
        m_tmp.file("hd/f/doc", "x");
        link(m_hd + "/f/doc", "toDoc");
        link(m_hd + "/g/target", "toTarget");
        link(m_other, "toOther");
        link(m_hd + "/f/none", "dangling");
        reopen();
    }
    void reopen()
    {
        m_window.reset();
        m_window = std::make_unique<Window1>(nullptr);
        m_window->curBase = -1;
        m_window->ResetFileListBox(hd("f"), true);
    }
    void TearDown() override
    {
        m_window.reset();
        Services::instance().setModalResponder(nullptr);
        TestVolumes::TearDown();
    }
    void link(const QByteArray& target, const QByteArray& name)
    {
        ASSERT_EQ(::symlink(target.constData(), (m_hd + "/f/" + name).constData()), 0);
    }
    int rowNamed(const QString& name) const
    {
        for (int row = 0; row < list().rowCount(); ++row)
            if (list().row(row).name == name)
                return row;
        return -1;
    }
    QStringList selectedNames() const
    {
        QStringList names;
        for (int row : list().selectedRows())
            names << list().row(row).name;
        return names;
    }
    void jumpFrom(const QString& name)
    {
        list().deselectAll();
        list().setSelected(rowNamed(name), true);
        m_window->JumpEntityButton_Action();
    }
    ListBox& list() const { return *m_window->FileListBox; }
    QString base() const { return m_window->baseFolder.at(size_t(m_window->curBase))->absolutePath(); }

    ModalResponder m_responder;
    std::unique_ptr<Window1> m_window;
};

} // namespace

TEST_F(AliasJump, JumpsByWhereTheOriginalLies)
{
    struct Case {
        const char* alias;
        int positions;     // after the jump
        const char* base;  // listed folder
        const char* selected;
    };
    const Case cases[] = {
        {"toDoc", 1, "HD:f:", "doc"},          // same folder: selected, no new position
        {"toTarget", 2, "HD:g:", "target"},    // a folder's parent is listed, not the folder
        {"toOther", 2, "Other:", ""},          // a volume lists its root, nothing selected
        {"dangling", 1, "HD:f:", "dangling"},  // nothing happens
    };
    for (const Case& c : cases) {
        reopen();
        jumpFrom(QString::fromLatin1(c.alias));
        EXPECT_EQ(int(m_window->baseFolder.size()), c.positions) << c.alias;
        EXPECT_EQ(base(), QString::fromLatin1(c.base)) << c.alias;
        const QString selected = QString::fromLatin1(c.selected);
        EXPECT_EQ(selectedNames(), selected.isEmpty() ? QStringList() : QStringList{selected}) << c.alias;
    }
}

TEST_F(AliasJump, OriginalInAnExpandedFolderIsSelectedWithoutMoving)
{
    m_tmp.folder("hd/f/sub");
    m_tmp.file("hd/f/sub/inner", "x");
    link(m_hd + "/f/sub/inner", "toInner");
    m_window->ResetFileListBox(nullptr, false);
    list().setExpanded(rowNamed("sub"), true);
    jumpFrom("toInner");
    EXPECT_EQ(m_window->baseFolder.size(), 1u);
    EXPECT_EQ(selectedNames(), QStringList{"inner"});
}

TEST_F(AliasJump, TheFolderThatHeldTheAliasKeepsItsSelection)
{
    jumpFrom("toTarget");
    ASSERT_EQ(m_window->curBase, 1);
    EXPECT_EQ(m_window->baseFolder[0]->absolutePath(), "HD:f:");
    EXPECT_EQ(m_window->selState[0].getCount(), 1);
}

TEST_F(AliasJump, ResolvingNeedsAnAliasOnAListedVolume)
{
    EXPECT_EQ(m_window->getEntityFolderItem(nullptr), nullptr);
    FolderItemPtr resolved = m_window->getEntityFolderItem(hd("f/toTarget"));
    ASSERT_TRUE(resolved);
    EXPECT_EQ(resolved->absolutePath(), "HD:g:target:");
    TempDir elsewhere;
    elsewhere.file("loose", "x");
    EXPECT_EQ(m_window->getEntityFolderItem(FolderItem::fromPosixPath(elsewhere / "loose")), nullptr);
}
