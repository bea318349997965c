#include "dialogs/CopyCheckWindow.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"
#include "support/WindowTest.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <unistd.h>

namespace {

bool present(const QByteArray& path)
{
    return QFileInfo::exists(QString::fromLocal8Bit(path)) || QFileInfo(QString::fromLocal8Bit(path)).isSymLink();
}

// The base folder "f" on "HD" with folders "dir" and "dir2", files "a.txt" and "b.txt"
// and an alias "toDir" to "dir"; "x.txt" waits on the other volume. Writing is on, the
// confirmation off unless a test turns it on.
class DropOnList : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_tmp.folder("hd/f");
        m_tmp.folder("hd/f/dir");
        m_tmp.folder("hd/f/dir2");
        m_tmp.file("hd/f/a.txt", "a");
        m_tmp.file("hd/f/b.txt", "b");
        m_tmp.file("other/x.txt", "x");
        ::symlink((m_hd + "/f/dir").constData(), (m_hd + "/f/toDir").constData());
        listFolder("f");
        w().CopyCheckBox->setValue(true);
        w().WithReport->setValue(false);
    }
    QByteArray f(const QByteArray& relative) const { return m_hd + "/f/" + relative; }
    void drop(const QByteArray& destination, const std::vector<FolderItemPtr>& items, int mods = 0)
    {
        w().destFolder = destination.isEmpty() ? nullptr : hd("f/" + destination);
        m_input.mods = mods;
        w().FileListBox_DropObject(items);
        m_input.mods = 0;
    }
    std::vector<FolderItemPtr> items(std::initializer_list<const char*> names)
    {
        std::vector<FolderItemPtr> out;
        for (const char* name : names)
            out.push_back(hd(QByteArray("f/") + name));
        return out;
    }
};

TEST_F(DropOnList, TheKeysHeldAtTheDropChooseTheOperation)
{
    struct Case {
        const char* what;
        int mods;
        bool sourceStays, copyArrives, isLink;
    } cases[] = {
        {"no key moves", 0, false, true, false},
        {"Command alone moves", kCommandKey, false, true, false},
        {"Option copies", kOptionKey, true, true, false},
        {"Command and Option make an alias", kCommandKey | kOptionKey, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_tmp.file("hd/f/moved.txt", "m");
        drop("dir", items({"moved.txt"}), c.mods);
        EXPECT_EQ(present(f("moved.txt")), c.sourceStays);
        const QByteArray arrived = f(c.isLink ? "dir/moved.txt のエイリアス" : "dir/moved.txt");
        const QByteArray arrivedPlain = f("dir/moved.txt");
        EXPECT_TRUE(present(arrivedPlain) || present(arrived));
        EXPECT_EQ(QFileInfo(QString::fromUtf8(arrivedPlain)).isSymLink() ||
                      QFileInfo(QString::fromUtf8(arrived)).isSymLink(),
                  c.isLink);
        ::unlink(f("moved.txt").constData());
        ::unlink(arrivedPlain.constData());
        ::unlink(arrived.constData());
    }
}

TEST_F(DropOnList, DropsThatChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void()> before;
        const char* destination;
        const char* item;
        int mods;
    } cases[] = {
        {"writing off", [this] { w().CopyCheckBox->setValue(false); }, "dir", "a.txt", 0},
        {"an outward drag dropped back", [this] { w().fromListToExtDragging = true; }, "dir", "a.txt", 0},
        {"a drag cancelled with Escape", [this] { w().cancelDragFromExt = true; }, "dir", "a.txt", 0},
        {"moving onto the folder that holds it", [] {}, "", "a.txt", 0},
        {"a folder moved onto its own row", [] {}, "dir", "dir", 0},
        {"a folder copied onto its own row", [] {}, "dir", "dir", kOptionKey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.before();
        w().WithReport->setValue(true);
        m_responder.records.clear();
        drop(c.destination, items({c.item}), c.mods);
        EXPECT_TRUE(m_responder.records.empty()) << "no question";
        EXPECT_TRUE(present(f(c.item)));
        EXPECT_FALSE(present(f("dir/a.txt")));
        EXPECT_FALSE(present(f("dir/dir")));
        w().CopyCheckBox->setValue(true);
        w().cancelDragFromExt = false;
        EXPECT_FALSE(w().fromListToExtDragging);
    }
}

TEST_F(DropOnList, AFolderGetsAnAliasOfItselfInside)
{
    drop("dir", items({"dir"}), kCommandKey | kOptionKey);
    EXPECT_TRUE(QFileInfo(QString::fromUtf8(f("dir/dir のエイリアス"))).isSymLink() ||
                QFileInfo(QString::fromUtf8(f("dir/dir"))).isSymLink());
}

TEST_F(DropOnList, TheSameItemTwiceIsHandledOnce)
{
    w().WithReport->setValue(true);
    m_responder.answer(QStringLiteral("実行"));
    QString listed;
    m_responder.prepare = [&](ModalWindow& window) {
        if (auto* check = dynamic_cast<CopyCheckWindow*>(&window))
            listed = check->Contents->text();
    };
    drop("dir", items({"a.txt", "a.txt", "b.txt"}), kOptionKey);
    EXPECT_EQ(listed.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts),
              (QStringList{"a.txt", "b.txt"}));
    EXPECT_TRUE(present(f("dir/a.txt")));
    EXPECT_TRUE(present(f("dir/b.txt")));
    EXPECT_EQ(m_responder.records.size(), 1u) << "no name-clash question for the repeat";
}

TEST_F(DropOnList, TheConfirmationNamesTheDestination)
{
    struct Case {
        const char* what;
        const char* destination;
        std::vector<FolderItemPtr> dropped;
        int mods;
        const char* title;
        const char* label0;
        const char* label1;
        const char* question;
    };
    const std::vector<Case> cases = {
        {"move into an alias's original", "toDir", items({"a.txt"}), 0, "移動", "保存先（エイリアス）",
         "保存先のパス（オリジナル）", "上記のフォルダに以下の項目を移動します。よろしいですか。"},
        {"copy into a plain folder", "dir", items({"a.txt"}), kOptionKey, "コピー",
         "保存先（通常フォルダ）", "保存先のパス", "上記のフォルダに以下の項目をコピーします。よろしいですか。"},
        {"aliases", "dir", items({"a.txt"}), kCommandKey | kOptionKey, "エイリアスの作成",
         "保存先（通常フォルダ）", "保存先のパス",
         "上記のフォルダに以下の項目のエイリアスを作成します。よろしいですか。"},
        {"a move from another volume is asked as a copy", "dir", {other("x.txt")}, 0, "コピー",
         "保存先（通常フォルダ）", "保存先のパス", "上記のフォルダに以下の項目をコピーします。よろしいですか。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w().WithReport->setValue(true);
        m_responder.answer(QStringLiteral("中止"));
        QStringList seen;
        m_responder.prepare = [&](ModalWindow& window) {
            auto& check = dynamic_cast<CopyCheckWindow&>(window);
            seen = {check.title(), check.Label[0]->text(), check.Label[1]->text(),
                    check.InquiryText->text(), check.DestinationA->text(), check.Destination->text()};
        };
        drop(c.destination, c.dropped, c.mods);
        ASSERT_EQ(seen.size(), 6);
        EXPECT_EQ(seen[0], QString::fromUtf8(c.title));
        EXPECT_EQ(seen[1], QString::fromUtf8(c.label0));
        EXPECT_EQ(seen[2], QString::fromUtf8(c.label1));
        EXPECT_EQ(seen[3], QString::fromUtf8(c.question));
        EXPECT_EQ(seen[4], QString::fromUtf8(c.destination));
        EXPECT_EQ(seen[5], QStringLiteral("HD:f:dir")) << "the original, not the alias";
        // Answered no: nothing moved, nothing copied.
        EXPECT_TRUE(present(f("a.txt")));
        EXPECT_TRUE(present(m_other + "/x.txt"));
        EXPECT_FALSE(present(f("dir/a.txt")));
        EXPECT_FALSE(present(f("dir/x.txt")));
    }
}

TEST_F(DropOnList, AMoveFromAnotherVolumeConfirmedIsACopy)
{
    w().WithReport->setValue(true);
    m_responder.answer(QStringLiteral("実行"));
    drop("dir", {other("x.txt")}, 0);
    EXPECT_TRUE(present(f("dir/x.txt")));
    EXPECT_TRUE(present(m_other + "/x.txt"));
}

TEST_F(DropOnList, TheHeaderMeansTheBaseFolder)
{
    w().prepareCheckMarks(true);
    w().checkMarkSetOnFolder(-1);
    m_input.mods = kOptionKey;
    w().FileListBox_DropObject({other("x.txt")});
    EXPECT_TRUE(present(f("x.txt")));
    EXPECT_FALSE(w().FileListBox->checkBoxColumn());
    EXPECT_GE(rowNamed("x.txt"), 0) << "the list was refreshed";
}

} // namespace
