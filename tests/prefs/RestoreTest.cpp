#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/Timer.h"
#include "prefs/PrefsCore.h"
#include "prefs/PrefsFixture.h"
#include "prefs/PrefsWindow.h"

#include <QTest>

namespace {

// A main window opened on the test home folder, with message boxes and modal windows
// answered by a responder.
class Restore : public PrefsFixture {
protected:
    void SetUp() override
    {
        PrefsFixture::SetUp();
        Services::instance().setModalResponder(&m_responder);
    }
    void TearDown() override
    {
        m_window.reset();
        Services::instance().setModalResponder(nullptr);
        PrefsFixture::TearDown();
    }

    Window1& open()
    {
        m_window = std::make_unique<Window1>(nullptr);
        m_window->show();
        return *m_window;
    }
    QString pathAt(int position) const
    {
        return m_window->baseFolder.at(size_t(position))->absolutePath();
    }
    bool hasRow(const QString& name) const
    {
        for (int row = 0; row < m_window->FileListBox->rowCount(); ++row)
            if (m_window->FileListBox->row(row).name == name)
                return true;
        return false;
    }

    ModalResponder m_responder;
    std::unique_ptr<Window1> m_window;
};

void choose(ModalResponder& responder, int radio, const char* button)
{
    responder.prepare = [radio](ModalWindow& window) {
        static_cast<PrefsWindow&>(window).customOpenRadio[size_t(radio)]->setValue(true);
    };
    responder.answer(QString::fromLatin1(button));
}

} // namespace

TEST_F(Restore, StartUpTimerRestoresTheBaseFolderAsPositionOne)
{
    m_tmp.folder("hd/home/sub");
    writePrefs(sixteenLines("HD:home:sub:"));
    Window1& w = open();
    ASSERT_EQ(w.curBase, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.curBase == 1; }, 2000));
    EXPECT_EQ(pathAt(0), "HD:home:");
    EXPECT_EQ(pathAt(1), "HD:home:sub:");
    EXPECT_FALSE(w.firstOpen);
    const bool expected[] = {true, true, false, true, false, true, false, false};
    const std::vector<CheckBox*> boxes = w.prefsCheckBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        EXPECT_EQ(boxes[i]->value(), expected[i]) << boxes[i]->name().toStdString();
}

TEST_F(Restore, BaseFolderEqualToTheHomeMakesNoSecondPosition)
{
    writePrefs(sixteenLines("HD:home:"));
    Window1& w = open();
    w.Timer6_Action();
    EXPECT_EQ(w.curBase, 0);
    EXPECT_EQ(w.baseFolder.size(), 1u);
}

TEST_F(Restore, BaseFolderThatIsGoneOrAFileStaysAtTheHome)
{
    m_tmp.file("hd/home/note.txt", "x");
    for (const char* path : {"HD:home:gone:", "HD:home:note.txt", "NoVolume:x:", ""}) {
        writePrefs(sixteenLines(path));
        Window1& w = open();
        w.Timer6_Action();
        EXPECT_EQ(w.baseFolder.size(), 1u) << path;
        EXPECT_EQ(pathAt(w.curBase), "HD:home:") << path;
    }
}

TEST_F(Restore, TextSizeOutsideEightToThirtyTwoBecomesTwelve)
{
    const struct {
        const char* stored;
        int size;
    } cases[] = {{"7", 12}, {"33", 12}, {"8", 8}, {"32", 32}, {"20", 20}, {"abc", 12}};
    for (const auto& c : cases) {
        writePrefs(sixteenLines("HD:home:", c.stored));
        Window1& w = open();
        w.loadPrefs();
        EXPECT_EQ(w.FileListBox->textSize(), c.size) << c.stored;
        EXPECT_EQ(w.FontSizeButton->caption(), QStringLiteral("Font\rSize") + QString::number(c.size))
            << c.stored;
    }
}

TEST_F(Restore, WindowSizeBelowTheMinimumBecomesTheMinimum)
{
    writePrefs(sixteenLines("HD:home:", "12", "junk", "10"));
    Window1& w = open();
    w.loadPrefs();
    EXPECT_EQ(w.width(), 620);
    EXPECT_EQ(w.height(), 300);
    // The controls were laid out for that size: the list still ends above the buttons.
    EXPECT_LT(w.findControl(QStringLiteral("FileListBox"))->bounds().bottom(),
              w.findControl(QStringLiteral("CloakswitchButton"))->top());
}

TEST_F(Restore, RestoredSwitchHidesInvisibleItemsAtOnce)
{
    m_tmp.file("hd/home/hidden", "x");
    setXattr(m_home + "/hidden", "user.com.apple.FinderInfo", finderInfo(0x4000));
    QByteArray prefs = sixteenLines("HD:home:");
    prefs.replace("true\rtrue\rtrue\rfalse", "true\rtrue\rfalse\rfalse"); // DispInvises off
    writePrefs(prefs);
    Window1& w = open();
    ASSERT_TRUE(hasRow("hidden"));
    w.loadPrefs();
    EXPECT_FALSE(w.DispInvises->value());
    EXPECT_FALSE(hasRow("hidden"));
}

TEST_F(Restore, ChoosingThePreviousStateWritesSixteenLinesAtOnce)
{
    m_tmp.folder("hd/home/sub");
    Window1& w = open();
    w.ResetFileListBox(hd("home/sub"), true);
    choose(m_responder, 1, "OkButton");
    w.PrefsButton_Action();
    EXPECT_TRUE(globals::Prefs.customOpen);
    const QList<QByteArray> lines = readPrefs().split('\r');
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], "true");
    EXPECT_EQ(lines[13], QByteArray::number(w.FileListBox->textSize()));
    EXPECT_EQ(lines[15], "HD:home:sub:");
    ASSERT_FALSE(m_responder.records.empty());
    EXPECT_EQ(m_responder.records[0].title, "環境設定");
}

TEST_F(Restore, CancelStillSavesTheUnchangedChoice)
{
    Window1& w = open();
    choose(m_responder, 1, "CancelButton");
    w.AppPrefs_Action();
    EXPECT_FALSE(globals::Prefs.customOpen);
    EXPECT_EQ(readPrefs(), "false");
}

TEST_F(Restore, ADialogShowsTheStoredChoice)
{
    writePrefs("true");
    Window1& w = open();
    w.Timer6_Action();
    bool shownChoice = false;
    m_responder.prepare = [&](ModalWindow& window) {
        shownChoice = static_cast<PrefsWindow&>(window).customOpenRadio[1]->value();
    };
    w.PrefsButton_Action();
    EXPECT_TRUE(shownChoice) << "a one-line 'true' file keeps the choice";
    EXPECT_EQ(readPrefs().count('\r'), 15) << "and the next save writes a whole file";
    w.PrefsButton_MouseEnter();
    EXPECT_EQ(w.PrefsButton->helpTag(), "現在の設定：『前回の状態で起動』");
}

TEST_F(Restore, QuittingSavesAndAFailureIsReported)
{
    Window1& w = open();
    EXPECT_TRUE(w.closeForQuit());
    EXPECT_EQ(readPrefs(), "false");
    EXPECT_TRUE(m_responder.records.empty());

    ::unlink(prefsPath().constData());
    ::rmdir((m_home + "/.config/Quillmark").constData());
    m_tmp.file("hd/home/.config/Quillmark", "not a folder");
    Window1& again = open();
    again.savePrefs();
    ASSERT_EQ(m_responder.records.size(), 1u);
    EXPECT_TRUE(m_responder.records[0].texts.contains("環境設定ファイルを保存できませんでした。"));
}
