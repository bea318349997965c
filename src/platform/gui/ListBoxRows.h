#pragma once

#include "platform/gui/ListRow.h"

#include <cstdint>
#include <vector>

// The list's rows in display order. Rows live in a pool and the display order is a
// vector of pool indexes, so that splicing the children of an expanded row into a long
// list moves four bytes a row instead of whole rows.
class ListBoxRows {
public:
    static constexpr uint32_t kNoSlot = UINT32_MAX;

    int size() const { return static_cast<int>(m_order.size()); }
    bool valid(int row) const { return row >= 0 && row < size(); }
    const ListRow& at(int row) const { return m_pool[m_order[static_cast<size_t>(row)]]; }
    ListRow& at(int row) { return m_pool[m_order[static_cast<size_t>(row)]]; }
    uint32_t slotOf(int row) const { return m_order[static_cast<size_t>(row)]; }
    // Structural changes bump the generation, so that a remembered row index can tell
    // that it may be stale.
    uint64_t generation() const { return m_generation; }

    void clear();
    void append(ListRow&& row);
    void insert(int at, std::vector<ListRow>&& rows);
    void remove(int first, int count);
    // Takes rows in a new order: newOrder[i] is the old index of the row that goes to i.
    void reorder(const std::vector<int>& newOrder);

    // The first row after the row's descendants.
    int subtreeEnd(int row) const;
    // Linear: only for the rare case where a remembered row index went stale.
    int findSlot(uint32_t slot) const;
    // Freed slots are not reused while someone remembers a row by its slot.
    void setReuseSlots(bool reuse) { m_reuseSlots = reuse; }

private:
    uint32_t takeSlot(ListRow&& row);

    std::vector<ListRow> m_pool;
    std::vector<uint32_t> m_order;
    std::vector<uint32_t> m_free;
    uint64_t m_generation = 0;
    bool m_reuseSlots = true;
};
