#include "listview/RowCells.h"
#include "mainwindow/Window1.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/LittleArrows.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "support/TestVolumes.h"

#include <QWidget>
#include <fcntl.h>
#include <unistd.h>

namespace {

class Appearance : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        Services::instance().setModalResponder(&m_responder);
        Services::instance().setInput(&m_input);
        m_w = std::make_unique<Window1>(nullptr);
    }
    void TearDown() override
    {
        m_w.reset();
        Services::instance().setInput(nullptr);
        Services::instance().setModalResponder(nullptr);
        TestVolumes::TearDown();
    }
    void list(const QByteArray& relative)
    {
        m_w->curBase = -1;
        m_w->ResetFileListBox(hd(relative), true);
    }
    QStringList paths() const
    {
        QStringList out;
        for (int row = 0; row < m_w->FileListBox->rowCount(); ++row)
            out << m_w->FileListBox->row(row).path;
        return out;
    }
    int rowOf(const QString& path) const { return int(paths().indexOf(path)); }
    void selectAndSave(const QStringList& selected)
    {
        std::vector<int> rows;
        for (const QString& p : selected)
            rows.push_back(rowOf(p));
        std::sort(rows.begin(), rows.end());
        m_w->FileListBox->selectRows(rows);
        m_w->saveListState();
    }
    QStringList selectedPaths() const
    {
        QStringList out;
        for (int row : m_w->FileListBox->selectedRows())
            out << m_w->FileListBox->row(row).path;
        return out;
    }

    ModalResponder m_responder;
    ScriptedInput m_input;
    std::unique_ptr<Window1> m_w;
};

} // namespace

TEST_F(Appearance, HeaderClickKeepsNestedExpansionAndSelection)
{
    m_tmp.folder("hd/s");
    m_tmp.folder("hd/s/A");
    m_tmp.folder("hd/s/A/B");
    m_tmp.file("hd/s/A/B/leaf", "x");
    m_tmp.file("hd/s/A/z", "xxxxx");
    m_tmp.file("hd/s/c", "xx");
    list("s");
    m_w->FileListBox->setExpanded(rowOf(":s:A"), true);
    m_w->FileListBox->setExpanded(rowOf(":s:A:B"), true);
    selectAndSave({":s:A:B:leaf"});

    m_w->FileListBox->pressHeader(RowCells::kName); // descending now
    m_w->Timer7_Action();
    EXPECT_EQ(paths(), QStringList({":s:c", ":s:A", ":s:A:z", ":s:A:B", ":s:A:B:leaf"}));
    EXPECT_TRUE(m_w->FileListBox->expanded(rowOf(":s:A:B")));
    EXPECT_EQ(selectedPaths(), QStringList({":s:A:B:leaf"}));
}

TEST_F(Appearance, SizeSortsByBytesWithFoldersTogether)
{
    m_tmp.folder("hd/z");
    m_tmp.file("hd/z/big", QByteArray(1'200'000, 'x'));
    m_tmp.file("hd/z/mid", QByteArray(900'000, 'x'));
    m_tmp.file("hd/z/tiny", QByteArray(5, 'x'));
    m_tmp.folder("hd/z/f1");
    m_tmp.folder("hd/z/f2");
    list("z");
    m_w->FileListBox->pressHeader(RowCells::kSize);
    m_w->Timer7_Action();
    const QStringList order = paths();
    EXPECT_EQ(order.mid(2), QStringList({":z:tiny", ":z:mid", ":z:big"}));
    EXPECT_TRUE(QSet<QString>({order[0], order[1]}) == QSet<QString>({":z:f1", ":z:f2"}))
        << "the \"---\" rows sort together";
}

TEST_F(Appearance, RefreshForgetsRenamedItemsAndKeepsCaseExactKeys)
{
    m_tmp.folder("hd/r");
    m_tmp.file("hd/r/a.txt");
    m_tmp.file("hd/r/A.txt");
    m_tmp.file("hd/r/old");
    list("r");
    selectAndSave({":r:a.txt", ":r:old"});
    ASSERT_EQ(::rename((m_hd + "/r/old").constData(), (m_hd + "/r/new").constData()), 0);
    m_w->ResetFileListBox(nullptr, false);
    EXPECT_EQ(selectedPaths(), QStringList({":r:a.txt"}));
}

TEST_F(Appearance, KeysOfAnEjectedVolumeSelectNothing)
{
    m_tmp.folder("hd/e");
    m_tmp.file("hd/e/x");
    list("e");
    selectAndSave({":e:x"});
    EXPECT_EQ(m_w->selState[0].getSelFI(0)->posixPath(), m_hd + "/e/x");
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{QStringLiteral("HD"), m_hd, 99}});
    EXPECT_EQ(m_w->selState[0].getSelFI(0), nullptr) << "the key names an ejected volume";
    // The same folder mounted again under another reference number: the old key
    // names the volume that went away, not this one.
    ListState state = m_w->selState[0];
    m_w->ResetFileListBox(hd("e"), true);
    ASSERT_EQ(m_w->FileListBox->rowCount(), 1);
    state.restoreSelRows(*m_w->FileListBox);
    EXPECT_EQ(m_w->FileListBox->selCount(), 0);
}

TEST_F(Appearance, RowHeightClickedRowAndTextSize)
{
    const std::pair<int, int> heights[] = {{8, 18}, {12, 18}, {13, 19}, {14, 21}, {32, 48}};
    for (auto [size, height] : heights) {
        m_w->FileListBox->setTextSize(size);
        EXPECT_EQ(m_w->culcRowHeight(m_w->FileListBox), height) << size;
    }
    m_w->FontSizeButton_Action();
    EXPECT_EQ(m_w->FontSizeButton->caption(), "Font\rSize12");

    m_w->show();
    const int listTop = m_w->FileListBoxControl->top();
    const std::pair<int, int> clicks[] = {{-8, 0}, {0, 0}, {5, 0}, {20, 1}, {40, 2}}; // -8: on the header
    for (auto [below, row] : clicks) {
        m_input.point = m_w->surface()->mapToGlobal(QPoint(50, listTop + 16 + below));
        EXPECT_EQ(m_w->getClickedRow(m_w->FileListBox), row) << below;
    }
    EXPECT_EQ(m_w->getClickedRow(nullptr), -1);
}

TEST_F(Appearance, ArrowsStopAtTheLimits)
{
    m_w->FileListBox->setTextSize(31);
    m_w->LittleArrows1_Up();
    EXPECT_EQ(m_w->FileListBox->textSize(), 32);
    EXPECT_EQ(m_w->FontSizeButton->caption(), "Font\rSize32");
    m_w->LittleArrows1_Up();
    EXPECT_EQ(m_w->FileListBox->textSize(), 32);
    EXPECT_EQ(m_w->FontSizeButton->caption(), "Font\rSize32");
    EXPECT_EQ(m_w->FileListBox->rowHeight(), 48);

    m_w->FileListBox->setTextSize(8);
    m_w->FontSizeButton->setCaption("Font\rSize8");
    m_w->LittleArrows1_Down();
    EXPECT_EQ(m_w->FileListBox->textSize(), 8);
    EXPECT_EQ(m_w->FontSizeButton->caption(), "Font\rSize8");
}
