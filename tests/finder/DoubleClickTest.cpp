#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Services.h"
#include "support/TestVolumes.h"

#include <QUrl>
#include <unistd.h>

namespace {

// A folder "f" on "HD" with visible and invisible files and folders; launches and
// modal windows are recorded.
class DoubleClick : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        Services::instance().setModalResponder(&m_responder);
        Services::instance().setLaunchRecorder(&m_launches);
        m_tmp.folder("hd/f");
        m_tmp.file("hd/f/doc.txt", "x");
        m_tmp.file("hd/f/hiddenDoc", "x");
        m_tmp.folder("hd/f/hiddenFolder");
        m_tmp.folder("hd/f/plain");
        m_tmp.folder("hd/f/Tool.app");
        setXattr(m_hd + "/f/hiddenDoc", "user.com.apple.FinderInfo", finderInfo(0x4000));
        setXattr(m_hd + "/f/hiddenFolder", "user.com.apple.FinderInfo", finderInfo(0x4000));
        ::symlink((m_hd + "/f/plain").constData(), (m_hd + "/f/toPlain").constData());
        ::symlink((m_hd + "/f/gone").constData(), (m_hd + "/f/dangling").constData());
        m_window = std::make_unique<Window1>(nullptr);
        m_window->curBase = -1;
        m_window->ResetFileListBox(hd("f"), true);
    }
    void TearDown() override
    {
        m_window.reset();
        Services::instance().setLaunchRecorder(nullptr);
        Services::instance().setModalResponder(nullptr);
        TestVolumes::TearDown();
    }
    int rowNamed(const QString& name) const
    {
        for (int row = 0; row < list().rowCount(); ++row)
            if (list().row(row).name == name)
                return row;
        return -1;
    }
    void doubleClick(const QStringList& names)
    {
        list().deselectAll();
        for (const QString& name : names)
            list().setSelected(rowNamed(name), true);
        ASSERT_EQ(list().selCount(), names.size());
        if (list().onDoubleClick)
            list().onDoubleClick(rowNamed(names.front()));
    }
    ListBox& list() const { return *m_window->FileListBox; }
    QString base() const { return m_window->baseFolder.at(size_t(m_window->curBase))->absolutePath(); }

    ModalResponder m_responder;
    RequestRecorder m_launches;
    std::unique_ptr<Window1> m_window;
};

} // namespace

TEST_F(DoubleClick, FoldersBecomeTheBaseFolderAndOtherRowsStay)
{
    struct Case {
        QStringList rows;
        const char* base; // afterwards
    };
    const Case cases[] = {
        {{"plain"}, "HD:f:plain:"},
        {{"hiddenFolder"}, "HD:f:hiddenFolder:"}, // invisible folders are entered
        {{"toPlain"}, "HD:f:plain:"},             // an alias goes to its original
        {{"hiddenDoc"}, "HD:f:"},                 // invisible files are not opened
        {{"dangling"}, "HD:f:"},
        {{"plain", "doc.txt"}, "HD:f:"},          // two rows: nothing
    };
    for (const Case& c : cases) {
        m_window->curBase = -1;
        m_window->ResetFileListBox(hd("f"), true);
        doubleClick(c.rows);
        EXPECT_EQ(base(), QString::fromLatin1(c.base)) << c.rows.join(',').toStdString();
    }
    EXPECT_TRUE(m_launches.requests.empty());
    EXPECT_TRUE(m_responder.records.empty());
}

TEST_F(DoubleClick, FileOpensOnlyAfterYes)
{
    doubleClick({"doc.txt"});
    ASSERT_EQ(m_responder.records.size(), 1u) << "no answer: cancelled";
    EXPECT_EQ(m_responder.records[0].title, "ファイルオープンの実行確認");
    EXPECT_TRUE(m_responder.records[0].texts.contains("doc.txt"));
    EXPECT_TRUE(m_responder.records[0].texts.contains("上のファイルを開きます。よろしいですか。"));
    EXPECT_TRUE(m_launches.requests.empty());

    m_responder.answer(QStringLiteral("中止"));
    doubleClick({"doc.txt"});
    EXPECT_TRUE(m_launches.requests.empty());

    m_responder.answer(QStringLiteral("はい"));
    doubleClick({"doc.txt"});
    ASSERT_EQ(m_launches.requests.size(), 1u);
    EXPECT_EQ(m_launches.requests[0].kind, "launch");
    EXPECT_EQ(QUrl(m_launches.requests[0].args.value(0)).toLocalFile().toUtf8(), m_hd + "/f/doc.txt");
}

TEST_F(DoubleClick, ApplicationFolderIsLaunchedNotEntered)
{
    m_window->WithReport->setValue(false);
    doubleClick({"Tool.app"});
    EXPECT_EQ(base(), "HD:f:");
    EXPECT_TRUE(m_responder.records.empty()) << "without confirmation nothing asks";
    ASSERT_EQ(m_launches.requests.size(), 1u);
    EXPECT_TRUE(m_launches.requests[0].args.value(0).endsWith("/f/Tool.app"));
}
