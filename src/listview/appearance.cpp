#include "mainwindow/Window1.h"

#include "listview/RowCells.h"
#include "platform/gui/Control.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "platform/gui/Timer.h"

#include <cmath>

namespace {
constexpr int kMinTextSize = 8;
constexpr int kMaxTextSize = 32;
constexpr int kStartTextSize = 12;
} // namespace

bool Window1::FileListBox_HeaderPressed(int)
{
    if (!expandState.empty())
        saveListState();
    FileListBox->deselectAll();
    Timer7->setMode(Timer::Mode::Once);
    return false;
}

// The size column sorts by its hidden key; the header keeps showing the size column.
bool Window1::FileListBox_SortColumn(int column)
{
    if (column == RowCells::kSize) {
        const bool ascending = FileListBox->sortAscending();
        FileListBox->setSortedColumn(RowCells::kSizeKey);
        FileListBox->setSortAscending(ascending);
        FileListBox->setHeaderIndicator(RowCells::kSize, ascending);
        FileListBox->sort();
        return true;
    }
    return false;
}

void Window1::Timer7_Action()
{
    ResetFileListBox(nullptr, false);
    Timer7->setMode(Timer::Mode::Off);
}

int Window1::culcRowHeight(const ListBox* list) const
{
    const int size = list->textSize();
    return size <= 12 ? 18 : size * 3 / 2;
}

int Window1::getClickedRow(const ListBox* list) const
{
    if (!list)
        return -1;
    const double h = culcRowHeight(list);
    const int y = Services::instance().pointerIn(*this).y();
    const int t = FileListBoxControl->top();
    return list->scrollPosition() + int(std::trunc((y - t - ListBox::kHeaderHeight) / h));
}

void Window1::applyTextSize(int size)
{
    FileListBox->setTextSize(size);
    FileListBox->setRowHeight(culcRowHeight(FileListBox));
    FontSizeButton->setCaption(QStringLiteral("Font\rSize") + QString::number(size));
    // Switching the scroll bar off and on makes the list lay its rows out anew.
    FileListBox->setScrollBarVisible(false);
    FileListBox->setScrollBarVisible(true);
}

void Window1::FontSizeButton_Action()
{
    applyTextSize(kStartTextSize);
}

void Window1::LittleArrows1_Up()
{
    const int size = FileListBox->textSize() + 1;
    if (size <= kMaxTextSize)
        applyTextSize(size);
}

void Window1::LittleArrows1_Down()
{
    const int size = FileListBox->textSize() - 1;
    if (size >= kMinTextSize)
        applyTextSize(size);
}
