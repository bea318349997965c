#include "platform/gui/ListBoxSorter.h"

#include <algorithm>

ListBoxSorter::ListBoxSorter(const ListBoxRows& rows, const KeyFunction& key, bool ascending)
    : m_rows(rows), m_ascending(ascending)
{
    const size_t count = static_cast<size_t>(rows.size());
    m_exact.reserve(count);
    m_folded.reserve(count);
    for (int i = 0; i < rows.size(); ++i) {
        m_exact.push_back(key ? key(rows.at(i)) : QString());
        // Case folding once per row turns every comparison into a plain one.
        m_folded.push_back(m_exact.back().toCaseFolded());
    }
}

std::vector<int> ListBoxSorter::sortedOrder()
{
    m_result.clear();
    m_result.reserve(static_cast<size_t>(m_rows.size()));
    sortSiblings(0, m_rows.size());
    return std::move(m_result);
}

bool ListBoxSorter::before(const Subtree& a, const Subtree& b) const
{
    const size_t x = static_cast<size_t>(m_ascending ? a.head : b.head);
    const size_t y = static_cast<size_t>(m_ascending ? b.head : a.head);
    const int folded = m_folded[x].compare(m_folded[y]);
    if (folded != 0)
        return folded < 0;
    return m_exact[x].compare(m_exact[y]) < 0;
}

// [begin, end) is a run of sibling subtrees; each is sorted as a whole, then the
// children inside each subtree are sorted the same way. Depth is bounded by the 8-bit
// row depth, so the recursion is too.
void ListBoxSorter::sortSiblings(int begin, int end)
{
    std::vector<Subtree> siblings;
    for (int head = begin; head < end;) {
        const uint8_t depth = m_rows.at(head).depth;
        int next = head + 1;
        while (next < end && m_rows.at(next).depth > depth)
            ++next;
        siblings.push_back({head, next});
        head = next;
    }
    std::stable_sort(siblings.begin(), siblings.end(),
                     [this](const Subtree& a, const Subtree& b) { return before(a, b); });
    for (const Subtree& subtree : siblings) {
        m_result.push_back(subtree.head);
        if (subtree.end > subtree.head + 1)
            sortSiblings(subtree.head + 1, subtree.end);
    }
}
