#include "FileOpsFixture.h"

#include "platform/gui/ListBox.h"

namespace {

using Kind = ModalRecord::Kind;

class Duplicate : public FileOps {};

TEST_F(Duplicate, CopyNamesKeepTheExtensionLastAndCountUp) {
    m_tmp.file("hd/a.txt", "a");
    setXattr(m_hd + "/a.txt", "user.com.apple.FinderInfo", finderInfo(0, "TEXT", "ttxt"));
    m_tmp.file("hd/.profile", "p");
    w().DispDots->setValue(true);
    selectAtRoot({"a.txt", ".profile"});
    w().duplicateFilesOrFolders(false);
    selectAtRoot({"a.txt"});
    w().InvisDupButton_Action();
    EXPECT_EQ(namesIn(m_hd), (QStringList{".profile", ".profile のコピー", "a のコピー.txt",
                                          "a のコピー_001.txt", "a.txt"}));
    EXPECT_EQ(hd("a のコピー_001.txt")->typeCode(), "TEXT");
    EXPECT_TRUE(m_responder.records.empty()) << "no question, no failure";
}

TEST_F(Duplicate, WhenEverySuffixIsTakenNothingIsOverwrittenAndTheFailureIsShown) {
    m_tmp.file("hd/a.txt", "a");
    m_tmp.file("hd/a のコピー.txt", "taken");
    for (int i = 1; i <= 999; ++i)
        m_tmp.file("hd/a のコピー_" + QByteArray::number(i).rightJustified(3, '0') + ".txt",
                   "taken");
    selectAtRoot({"a.txt"});
    w().duplicateFilesOrFolders(false);
    EXPECT_EQ(content(m_hd + "/a のコピー_999.txt"), "taken");
    ASSERT_EQ(kinds(), std::vector<Kind>{Kind::Message});
    EXPECT_TRUE(m_responder.records[0].texts.join("").startsWith("指示された処理に失敗しました。"));
    EXPECT_EQ(namesIn(m_hd).size(), 1001) << "no TmpFldr left";
}

TEST_F(Duplicate, AFolderIsCopiedWholeInvisibleItemsIncluded) {
    m_tmp.folder("hd/Data");
    m_tmp.file("hd/Data/notes", "n");
    setXattr(m_hd + "/Data/notes", "user.com.apple.FinderInfo", finderInfo(0x4000));
    m_tmp.file("hd/Data/.hidden", "h");
    selectAtRoot({"Data"});
    w().duplicateFilesOrFolders(false);
    EXPECT_EQ(namesIn(m_hd + "/Data のコピー"), (QStringList{".hidden", "notes"}));
    EXPECT_FALSE(hd("Data のコピー/notes")->visible());
    EXPECT_EQ(namesIn(m_hd), (QStringList{"Data", "Data のコピー"})) << "TmpFldr is gone";
}

TEST_F(Duplicate, AliasNamesUseTheDisplayName) {
    m_tmp.file("hd/photo.jpg", "jpeg");
    setXattr(m_hd + "/photo.jpg", "user.com.apple.FinderInfo", finderInfo(0x0010));
    selectAtRoot({"photo.jpg"});
    w().duplicateFilesOrFolders(true);
    const FolderItemPtr alias = hd("photo のエイリアス");
    ASSERT_TRUE(alias->isSymlink());
    EXPECT_EQ(alias->resolved()->posixPath(), hd("photo.jpg")->posixPath());
}

class NewFolder : public FileOps {
  protected:
    void SetUp() override {
        FileOps::SetUp();
        m_tmp.folder("hd/Box");
        m_tmp.file("hd/Box/inner", "");
        m_tmp.file("hd/file", "");
        m_tmp.folder("hd/Tool.app");
        ::symlink((m_hd + "/Box").constData(), (m_hd + "/BoxLink").constData());
        ::symlink("/nowhere", (m_hd + "/Broken").constData());
    }
};

TEST_F(NewFolder, PlacementFollowsTheSelectedRow) {
    const QString untitled = QStringLiteral("名称未設定フォルダ");
    struct Case {
        const char* label;
        QString selected; // empty: nothing
        bool expand;
        QByteArray expectedFolder; // empty: nothing is made
    };
    const Case cases[] = {
        {"nothing selected", {}, false, m_hd},
        {"expanded folder", ":Box", true, m_hd + "/Box"},
        {"collapsed folder", ":Box", false, m_hd},
        {"file", ":file", false, m_hd},
        {"expanded application", ":Tool.app", true, m_hd},
        {"alias to a folder, expanded", ":BoxLink", true, m_hd + "/Box"},
        {"alias to a folder, collapsed", ":BoxLink", false, m_hd},
        {"alias whose original is missing", ":Broken", false, {}},
    };
    for (const Case& c : cases) {
        listFolder({});
        list().deselectAll();
        if (!c.selected.isEmpty()) {
            const int row = rowOf(c.selected);
            ASSERT_GE(row, 0) << c.label;
            if (c.expand)
                list().setExpanded(row, true);
            list().setSelected(rowOf(c.selected), true);
        }
        w().NewFolderButton_Action();
        for (const QByteArray& place : {m_hd, m_hd + "/Box"}) {
            const bool made = exists(place + "/" + untitled.toUtf8());
            EXPECT_EQ(made, place == c.expectedFolder) << c.label << " in " << place.constData();
            if (made)
                ::rmdir((place + "/" + untitled.toUtf8()).constData());
        }
    }
}

TEST_F(NewFolder, ATakenNameGetsTheFirstFreeSuffix) {
    const QByteArray untitled = QStringLiteral("名称未設定フォルダ").toUtf8();
    m_tmp.folder("hd/" + untitled);
    m_tmp.folder("hd/" + untitled + "_001");
    listFolder({});
    w().createNewFolder();
    EXPECT_TRUE(exists(m_hd + "/" + untitled + "_002"));
}

TEST_F(NewFolder, TheQuestionNamesBothAndCancelMakesNothing) {
    w().WithReport->setValue(true);
    listFolder({});
    m_responder.answer("Cancel");
    w().createNewFolder();
    ASSERT_EQ(kinds(), std::vector<Kind>{Kind::Message});
    const QString text = m_responder.records[0].texts.join("");
    EXPECT_TRUE(text.startsWith("新規フォルダ作成\r\rフォルダ『HD』の直下に\r\r新規フォルダ『名称未"
                                "設定フォルダ』を作成します。\r\rよろしいですか。"))
        << text.toStdString();
    EXPECT_FALSE(exists(m_hd + "/名称未設定フォルダ"));
    m_responder.answer("OK");
    w().createNewFolder();
    EXPECT_TRUE(exists(m_hd + "/名称未設定フォルダ"));
}

} // namespace
