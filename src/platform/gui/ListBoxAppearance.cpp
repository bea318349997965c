#include "platform/gui/ListBox.h"

#include "platform/gui/ListBoxLook.h"
#include "platform/gui/ListBoxModel.h"
#include "platform/gui/ListBoxView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kMaxTextSize = 512;

// The height the program assumes for a text size (its culcRowHeight).
int automaticRowHeight(int textSize)
{
    return textSize <= 12 ? 18 : textSize * 3 / 2;
}

} // namespace

void ListBox::setHeadings(const QStringList& headings)
{
    m_model->setHeadings(headings);
}

void ListBox::setColumnWidths(const QString& widths)
{
    const QStringList parts = widths.split(QLatin1Char(','));
    for (int column = 0; column < std::min<int>(kColumns, parts.size()); ++column) {
        bool ok = false;
        const int width = parts.at(column).trimmed().toInt(&ok);
        if (ok && width >= 0)
            m_view->header()->resizeSection(column, width);
    }
}

QString ListBox::columnWidths() const
{
    QStringList parts;
    for (int column = 0; column < kColumns; ++column)
        parts << QString::number(m_view->header()->sectionSize(column));
    return parts.join(QLatin1Char(','));
}

void ListBox::setColumnAlignment(int column, Qt::Alignment alignment)
{
    m_model->setAlignment(column, alignment);
    m_view->viewport()->update();
}

void ListBox::setTextSize(int pixels)
{
    m_look->textSize = std::clamp(pixels, 1, kMaxTextSize);
    QFont font = m_view->font();
    font.setPixelSize(m_look->textSize);
    m_view->setFont(font);
    updateRowHeight();
}

int ListBox::textSize() const
{
    return m_look->textSize;
}

void ListBox::setRowHeight(int pixels)
{
    m_fixedRowHeight = std::clamp(pixels, 0, kMaxTextSize * 2);
    updateRowHeight();
}

int ListBox::rowHeight() const
{
    return m_look->rowHeight;
}

void ListBox::updateRowHeight()
{
    m_look->rowHeight =
        m_fixedRowHeight > 0 ? m_fixedRowHeight : automaticRowHeight(m_look->textSize);
    m_model->settle();
    m_view->relayoutRows();
}

void ListBox::setAlternateRows(bool on)
{
    m_look->alternateRows = on;
    m_view->viewport()->update();
}

void ListBox::setPicture(int id, const QPixmap& picture)
{
    m_look->pictures.insert(id, picture);
    m_view->viewport()->update();
}

int ListBox::scrollPosition() const
{
    m_model->settle();
    return m_view->firstRow();
}

void ListBox::setScrollPosition(int row)
{
    m_model->settle();
    m_view->setFirstRow(std::max(0, row));
}

void ListBox::setScrollBarVisible(bool visible)
{
    m_view->setVerticalScrollBarPolicy(visible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_model->settle();
    m_view->relayoutRows();
}

int ListBox::rowAt(int y) const
{
    if (y < kHeaderHeight || y >= height())
        return -1;
    const int row = scrollPosition() + (y - kHeaderHeight) / std::max(1, rowHeight());
    return row < rowCount() ? row : -1;
}
