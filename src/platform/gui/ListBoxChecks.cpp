#include "platform/gui/ListBox.h"

#include "platform/gui/ListBoxLook.h"
#include "platform/gui/ListBoxModel.h"
#include "platform/gui/ListBoxView.h"

bool ListBox::checkBoxColumn() const
{
    return m_look->checkBoxColumn;
}

void ListBox::setCheckBoxColumn(bool on)
{
    if (m_look->checkBoxColumn == on)
        return;
    m_look->checkBoxColumn = on;
    m_look->checkedRows.clear();
    m_view->viewport()->update();
}

bool ListBox::cellCheck(int row) const
{
    return m_look->checkBoxColumn && m_look->checkedRows.contains(row);
}

void ListBox::setCellCheck(int row, bool checked)
{
    if (!m_look->checkBoxColumn || row < 0 || row >= rowCount())
        return;
    if (checked == m_look->checkedRows.contains(row))
        return;
    if (checked)
        m_look->checkedRows.insert(row);
    else
        m_look->checkedRows.remove(row);
    m_view->viewport()->update();
}

void ListBox::uncheckAll()
{
    if (m_look->checkedRows.isEmpty())
        return;
    m_look->checkedRows.clear();
    m_view->viewport()->update();
}
