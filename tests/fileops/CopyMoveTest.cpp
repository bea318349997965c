#include "FileOpsFixture.h"

#include "dialogs/NameCheckWindow.h"
#include "dialogs/answers.h"
#include "platform/gui/CheckBox.h"
#include "support/ScopedHome.h"

#include <cstdlib>

#include <sys/socket.h>
#include <sys/un.h>

namespace {

using Kind = ModalRecord::Kind;

class CopyMove : public FileOps {
  protected:
    void SetUp() override {
        FileOps::SetUp();
        m_tmp.file("hd/a.txt", "new");
        setXattr(m_hd + "/a.txt", "user.com.apple.FinderInfo", finderInfo(0x4000, "TEXT", "ttxt"));
        m_dest = m_tmp.folder("hd/Dest");
    }
    QByteArray m_dest;
};

TEST_F(CopyMove, CopyButtonAsksForTheFolderAndKeepsFinderInformation) {
    selectAtRoot({"a.txt"});
    m_responder.answer(QString::fromUtf8(m_dest));
    w().InvisCopyButton_Action();
    ASSERT_EQ(m_responder.records.size(), 1u);
    EXPECT_EQ(m_responder.records[0].title, "ファイルコピー");
    EXPECT_EQ(m_responder.records[0].texts, QStringList{"コピーの保存先を指定して下さい。"});
    EXPECT_EQ(content(m_dest + "/a.txt"), "new");
    EXPECT_EQ(hd("Dest/a.txt")->typeCode(), "TEXT");
    EXPECT_FALSE(hd("Dest/a.txt")->visible());
    EXPECT_EQ(content(m_hd + "/a.txt"), "new");
}

TEST_F(CopyMove, NameClashAnswers) {
    struct Case {
        const char* button;
        QStringList destination;
        QByteArray plainContent;
    };
    const Case cases[] = {
        {"ReplaceButton", {"a.txt"}, "new"},
        {"AddNewButton", {"a.txt", "a_001.txt"}, "old"},
        {"CancelButton", {"a.txt"}, "old"},
    };
    for (const Case& c : cases) {
        ::unlink((m_dest + "/a_001.txt").constData());
        m_tmp.file("hd/Dest/a.txt", "old");
        m_responder.records.clear();
        selectAtRoot({"a.txt"});
        m_responder.answer(QString::fromUtf8(m_dest));
        m_responder.answer(QString::fromLatin1(c.button));
        w().InvisCopyButton_Action();
        EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::SelectFolder, Kind::Window})) << c.button;
        EXPECT_EQ(m_responder.records[1].title, "コピーの同名チェック");
        EXPECT_EQ(namesIn(m_dest), c.destination) << c.button; // no temporary leftovers
        EXPECT_EQ(content(m_dest + "/a.txt"), c.plainContent) << c.button;
        EXPECT_EQ(content(m_hd + "/a.txt"), "new");
    }
}

TEST_F(CopyMove, ReplaceForAllAsksOnceAndReplacesEveryClash) {
    m_tmp.file("hd/b.txt", "new b");
    m_tmp.file("hd/Dest/a.txt", "old");
    m_tmp.file("hd/Dest/b.txt", "old b");
    selectAtRoot({"a.txt", "b.txt"});
    m_responder.answer(QString::fromUtf8(m_dest));
    m_responder.answer("ReplaceButton");
    m_responder.prepare = [](ModalWindow& window) {
        if (auto* check = dynamic_cast<NameCheckWindow*>(&window))
            check->ApplyAll->setValue(true);
    };
    w().InvisCopyButton_Action();
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::SelectFolder, Kind::Window}));
    EXPECT_EQ(content(m_dest + "/a.txt"), "new");
    EXPECT_EQ(content(m_dest + "/b.txt"), "new b");
    EXPECT_EQ(namesIn(m_dest), (QStringList{"a.txt", "b.txt"}));
}

TEST_F(CopyMove, CopyIntoItsOwnFolderGoesBesideItWithoutAQuestion) {
    selectAtRoot({"a.txt"});
    m_responder.answer(QString::fromUtf8(m_hd));
    w().InvisCopyButton_Action();
    EXPECT_EQ(kinds(), std::vector<Kind>{Kind::SelectFolder});
    EXPECT_EQ(content(m_hd + "/a_001.txt"), "new");
    EXPECT_EQ(hd("a_001.txt")->typeCode(), "TEXT");
    EXPECT_EQ(namesIn(m_hd), (QStringList{"Dest", "a.txt", "a_001.txt"}));
}

TEST_F(CopyMove, ATmpFldrAlreadyThereIsLeftAlone) {
    m_tmp.folder("hd/TmpFldr");
    m_tmp.file("hd/TmpFldr/keep", "mine");
    selectAtRoot({"a.txt"});
    m_responder.answer(QString::fromUtf8(m_hd));
    w().InvisCopyButton_Action();
    EXPECT_EQ(namesIn(m_hd + "/TmpFldr"), QStringList{"keep"});
    EXPECT_EQ(namesIn(m_hd), (QStringList{"Dest", "TmpFldr", "a.txt", "a_001.txt"}));
}

TEST_F(CopyMove, AFailedReplaceKeepsTheOldItemAndSaysSo) {
    // A socket cannot be copied: the new copy fails before anything is swapped.
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = m_hd + "/sock";
    std::strncpy(addr.sun_path, path.constData(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    m_tmp.file("hd/Dest/sock", "old");
    globals::afterAll = 2;
    w().isVisCopy = false;
    w().CopyOrMoveOneFile(hd("sock"), hd("Dest"), 0);
    EXPECT_EQ(content(m_dest + "/sock"), "old");
    EXPECT_EQ(namesIn(m_dest), QStringList{"sock"});
    EXPECT_EQ(kinds(), std::vector<Kind>{Kind::Message});
    ASSERT_FALSE(m_responder.records.empty());
    EXPECT_TRUE(m_responder.records[0].texts.join("").contains("指示された処理に失敗しました。"));
    ::close(s);
}

TEST_F(CopyMove, MoveRenamesWithTheCompanionAndReplacesOnlyWhenWhole) {
    m_tmp.file("hd/._a.txt", "companion bytes");
    m_tmp.file("hd/Dest/a.txt", "old");
    selectAtRoot({"a.txt"});
    m_responder.answer(QString::fromUtf8(m_dest));
    m_responder.answer("ReplaceButton");
    w().InvisMoveButton_Action();
    EXPECT_EQ(m_responder.records[0].title, "ファイル移動");
    EXPECT_EQ(m_responder.records[1].title, "移動の同名チェック");
    EXPECT_EQ(namesIn(m_dest), (QStringList{"._a.txt", "a.txt"}));
    EXPECT_EQ(content(m_dest + "/a.txt"), "new");
    EXPECT_EQ(namesIn(m_hd), QStringList{"Dest"});
}

TEST_F(CopyMove, MovesLeaveOutItemsAlreadyThereAndCrossVolumeMovesCopy) {
    m_tmp.file("hd/Dest/inside", "in");
    listFolder({});
    w().FileListBox->setExpanded(rowOf(":Dest"), true);
    selectPaths({":Dest:inside"});
    m_responder.answer(QString::fromUtf8(m_dest));
    w().InvisMoveButton_Action();
    EXPECT_EQ(kinds(), std::vector<Kind>{Kind::SelectFolder}); // no question, no message
    EXPECT_EQ(namesIn(m_dest), QStringList{"inside"});

    m_responder.records.clear();
    m_tmp.file("other/a.txt", "there");
    selectAtRoot({"a.txt"});
    m_responder.answer(QString::fromUtf8(m_other));
    m_responder.answer("AddNewButton");
    w().InvisMoveButton_Action();
    ASSERT_EQ(m_responder.records.size(), 2u);
    EXPECT_EQ(m_responder.records[1].title, "コピーの同名チェック");
    EXPECT_EQ(content(m_other + "/a_001.txt"), "new");
    EXPECT_EQ(content(m_hd + "/a.txt"), "new") << "the source stays";
}

TEST_F(CopyMove, SameFolderMoveIsExplainedOncePerBatch) {
    m_tmp.file("hd/b.txt", "b");
    w().firstFlag = true;
    globals::afterAll = 0;
    w().CopyOrMoveOneFile(hd("a.txt"), hd(), 1);
    w().CopyOrMoveOneFile(hd("b.txt"), hd(), 1);
    ASSERT_EQ(kinds(), std::vector<Kind>{Kind::Message});
    const QString text = m_responder.records[0].texts.join("");
    EXPECT_TRUE(text.contains("\"a.txt\" の移動\r\r移動元と移動先が同じなので、キャンセルします。"))
        << text.toStdString();
    EXPECT_EQ(namesIn(m_hd), (QStringList{"Dest", "a.txt", "b.txt"}));
}

TEST_F(CopyMove, AliasReplaceAndAliasBesideItsOriginal) {
    m_tmp.file("hd/Dest/a.txt のエイリアス", "old");
    globals::afterAll = 2;
    w().CopyOrMoveOneFile(hd("a.txt"), hd("Dest"), 2);
    EXPECT_TRUE(hd("Dest/a.txt のエイリアス")->isSymlink());
    EXPECT_EQ(namesIn(m_dest), QStringList{"a.txt のエイリアス"});

    m_tmp.file("hd/a.txt のエイリアス", "taken");
    w().CopyOrMoveOneFile(hd("a.txt"), hd(), 2);
    EXPECT_EQ(content(m_hd + "/a.txt のエイリアス"), "taken");
    EXPECT_TRUE(hd("a_001.txt のエイリアス")->isSymlink());
}

TEST_F(CopyMove, MovingASystemFolderAsksFirst) {
    m_tmp.folder("hd/home");
    m_tmp.folder("hd/home/Documents");
    char* real = ::realpath((m_hd + "/home").constData(), nullptr);
    const QByteArray home(real);
    std::free(real);
    ScopedHome scoped(home);
    const FolderItemPtr documents = FolderItem::fromPosixPath(home + "/Documents");
    m_responder.answer("Cancel");
    w().CopyOrMoveOneFile(documents, hd("Dest"), 1);
    ASSERT_EQ(kinds(), std::vector<Kind>{Kind::Message});
    EXPECT_EQ(m_responder.records[0].texts.join(""),
              "\"書類\"\r\rこれはシステムで準備されたもののようです。本当に移動してよいのですか。");
    EXPECT_TRUE(exists(home + "/Documents"));
    m_responder.answer("OK");
    w().CopyOrMoveOneFile(documents, hd("Dest"), 1);
    EXPECT_EQ(namesIn(m_dest), QStringList{"Documents"});
}

TEST_F(CopyMove, CancelledFolderDialogDoesNothing) {
    selectAtRoot({"a.txt"});
    m_responder.answer("");
    w().InvisCopyButton_Action();
    EXPECT_FALSE(w().isVisCopy);
    EXPECT_EQ(namesIn(m_dest), QStringList{});
}

} // namespace
