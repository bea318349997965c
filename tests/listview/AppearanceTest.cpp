#include "listview/RowCells.h"
#include "mainwindow/Window1.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/LittleArrows.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <fcntl.h>
#include <unistd.h>

namespace {

using Appearance = WindowTest;

} // namespace

TEST_F(Appearance, HeaderClickKeepsNestedExpansionAndSelection)
{
    m_tmp.folder("hd/s");
    m_tmp.folder("hd/s/A");
    m_tmp.folder("hd/s/A/B");
    m_tmp.file("hd/s/A/B/leaf", "x");
    m_tmp.file("hd/s/A/z", "xxxxx");
    m_tmp.file("hd/s/c", "xx");
    listFolder("s");
    w().FileListBox->setExpanded(rowOf(":s:A"), true);
    w().FileListBox->setExpanded(rowOf(":s:A:B"), true);
    selectPaths({":s:A:B:leaf"});

    w().FileListBox->pressHeader(RowCells::kName); // descending now
    w().Timer7_Action();
    EXPECT_EQ(paths(), QStringList({":s:c", ":s:A", ":s:A:z", ":s:A:B", ":s:A:B:leaf"}));
    EXPECT_TRUE(w().FileListBox->expanded(rowOf(":s:A:B")));
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
    listFolder("z");
    w().FileListBox->pressHeader(RowCells::kSize);
    w().Timer7_Action();
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
    listFolder("r");
    selectPaths({":r:a.txt", ":r:old"});
    ASSERT_EQ(::rename((m_hd + "/r/old").constData(), (m_hd + "/r/new").constData()), 0);
    w().ResetFileListBox(nullptr, false);
    EXPECT_EQ(selectedPaths(), QStringList({":r:a.txt"}));
}

TEST_F(Appearance, KeysOfAnEjectedVolumeSelectNothing)
{
    m_tmp.folder("hd/e");
    m_tmp.file("hd/e/x");
    listFolder("e");
    selectPaths({":e:x"});
    EXPECT_EQ(w().selState[0].getSelFI(0)->posixPath(), m_hd + "/e/x");
    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{QStringLiteral("HD"), m_hd, 99}});
    EXPECT_EQ(w().selState[0].getSelFI(0), nullptr) << "the key names an ejected volume";
    // The same folder mounted again under another reference number: the old key
    // names the volume that went away, not this one.
    ListState state = w().selState[0];
    w().ResetFileListBox(hd("e"), true);
    ASSERT_EQ(w().FileListBox->rowCount(), 1);
    state.restoreSelRows(*w().FileListBox);
    EXPECT_EQ(w().FileListBox->selCount(), 0);
}

// The list draws its rows at the height the program computes with, so that a pointer
// position maps to the row drawn under it: the shading of even rows changes exactly at
// each computed row border, and the row found for a point is the one drawn there.
TEST_F(Appearance, RowsAreDrawnAtTheComputedHeight)
{
    m_tmp.folder("hd/rows");
    for (const char* name : {"a", "b", "c", "d", "e"})
        m_tmp.file(QByteArray("hd/rows/") + name, "x");
    listFolder("rows");
    w().show();
    const std::pair<int, int> heights[] = {{8, 18}, {12, 18}, {13, 19}, {14, 21}, {32, 48}};
    for (auto [size, height] : heights) {
        // As the user sets it: back to 12, then the arrows.
        w().FontSizeButton_Action();
        while (w().FileListBox->textSize() < size)
            w().LittleArrows1_Up();
        while (w().FileListBox->textSize() > size)
            w().LittleArrows1_Down();
        ASSERT_EQ(w().culcRowHeight(w().FileListBox), height) << size;
        QApplication::processEvents();
        const QImage drawn = w().FileListBoxControl->widget()->grab().toImage();
        const QColor shade(0xEC, 0xEC, 0xEC);
        for (int row = 0; row < 4; ++row) {
            const int top = 16 + row * height, bottom = top + height - 1;
            for (int y : {top, bottom}) {
                const bool shaded = drawn.pixelColor(2, y) == shade;
                EXPECT_EQ(shaded, row % 2 == 0) << "size " << size << ", row " << row << ", y " << y;
            }
            m_input.point = w().surface()->mapToGlobal(
                QPoint(50, w().FileListBoxControl->top() + top + height / 2));
            EXPECT_EQ(w().getClickedRow(w().FileListBox), row) << "size " << size;
        }
    }
    w().FontSizeButton_Action();
    EXPECT_EQ(w().FontSizeButton->caption(), "Font\rSize12");
    EXPECT_EQ(w().FileListBox->rowHeight(), 18);
    m_input.point = w().surface()->mapToGlobal(QPoint(50, w().FileListBoxControl->top() + 8));
    EXPECT_EQ(w().getClickedRow(w().FileListBox), 0) << "on the header: the first row shown";
    EXPECT_EQ(w().getClickedRow(nullptr), -1);
}

TEST_F(Appearance, ArrowsStopAtTheLimits)
{
    w().FileListBox->setTextSize(31);
    w().LittleArrows1_Up();
    EXPECT_EQ(w().FileListBox->textSize(), 32);
    EXPECT_EQ(w().FontSizeButton->caption(), "Font\rSize32");
    w().LittleArrows1_Up();
    EXPECT_EQ(w().FileListBox->textSize(), 32);
    EXPECT_EQ(w().FontSizeButton->caption(), "Font\rSize32");
    EXPECT_EQ(w().FileListBox->rowHeight(), 48);

    w().FileListBox->setTextSize(8);
    w().FontSizeButton->setCaption("Font\rSize8");
    w().LittleArrows1_Down();
    EXPECT_EQ(w().FileListBox->textSize(), 8);
    EXPECT_EQ(w().FontSizeButton->caption(), "Font\rSize8");
}
