#include "platform/gui/ListBoxRows.h"

#include <algorithm>

void ListBoxRows::clear()
{
    // Release the memory too: a list of 100,000 rows replaced by one of 10 should not
    // keep the large pool.
    std::vector<ListRow>().swap(m_pool);
    std::vector<uint32_t>().swap(m_order);
    std::vector<uint32_t>().swap(m_free);
    ++m_generation;
}

uint32_t ListBoxRows::takeSlot(ListRow&& row)
{
    if (m_reuseSlots && !m_free.empty()) {
        const uint32_t slot = m_free.back();
        m_free.pop_back();
        m_pool[slot] = std::move(row);
        return slot;
    }
    m_pool.push_back(std::move(row));
    return static_cast<uint32_t>(m_pool.size() - 1);
}

void ListBoxRows::append(ListRow&& row)
{
    m_order.push_back(takeSlot(std::move(row)));
    ++m_generation;
}

void ListBoxRows::insert(int at, std::vector<ListRow>&& rows)
{
    at = std::clamp(at, 0, size());
    std::vector<uint32_t> slots;
    slots.reserve(rows.size());
    for (ListRow& row : rows)
        slots.push_back(takeSlot(std::move(row)));
    m_order.insert(m_order.begin() + at, slots.begin(), slots.end());
    ++m_generation;
}

void ListBoxRows::remove(int first, int count)
{
    first = std::clamp(first, 0, size());
    count = std::clamp(count, 0, size() - first);
    const auto begin = m_order.begin() + first;
    const auto end = begin + count;
    for (auto it = begin; it != end; ++it) {
        m_pool[*it] = ListRow{}; // frees the strings now, not when the slot is reused
        m_free.push_back(*it);
    }
    m_order.erase(begin, end);
    ++m_generation;
}

void ListBoxRows::reorder(const std::vector<int>& newOrder)
{
    if (newOrder.size() != m_order.size())
        return;
    std::vector<uint32_t> order(m_order.size());
    for (size_t i = 0; i < newOrder.size(); ++i)
        order[i] = m_order[static_cast<size_t>(newOrder[i])];
    m_order.swap(order);
    ++m_generation;
}

int ListBoxRows::subtreeEnd(int row) const
{
    if (!valid(row))
        return std::clamp(row, 0, size());
    const uint8_t depth = at(row).depth;
    int end = row + 1;
    while (end < size() && at(end).depth > depth)
        ++end;
    return end;
}

int ListBoxRows::findSlot(uint32_t slot) const
{
    const auto it = std::find(m_order.begin(), m_order.end(), slot);
    return it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
}
