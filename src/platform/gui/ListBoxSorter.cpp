#include "platform/gui/ListBoxSorter.h"

#include <algorithm>

ListBoxSorter::ListBoxSorter(const ListBoxRows& rows, const KeyFunction& key, bool ascending)
    : m_rows(rows), m_ascending(ascending)
{
    const size_t count = static_cast<size_t>(rows.size());
    m_exact.reserve(count);
    m_foldedStart.reserve(count + 1);
    for (int i = 0; i < rows.size(); ++i) {
        m_exact.push_back(key ? key(rows.at(i)) : QString());
        m_foldedStart.push_back(static_cast<uint32_t>(m_foldedText.size()));
        appendFolded(m_exact.back());
    }
    m_foldedStart.push_back(static_cast<uint32_t>(m_foldedText.size()));
}

// Folds the case of each character as QString::compare(Qt::CaseInsensitive) does, once
// per row, so that every comparison is a plain one.
void ListBoxSorter::appendFolded(const QString& text)
{
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 0x80) {
            m_foldedText.push_back(unit >= u'A' && unit <= u'Z' ? char16_t(unit + 0x20) : unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < length
                   && text.at(i + 1).isLowSurrogate()) {
            const char32_t folded =
                QChar::toCaseFolded(QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            m_foldedText.push_back(QChar::highSurrogate(folded));
            m_foldedText.push_back(QChar::lowSurrogate(folded));
            ++i;
        } else {
            m_foldedText.push_back(QChar::toCaseFolded(unit));
        }
    }
}

std::u16string_view ListBoxSorter::folded(size_t row) const
{
    return std::u16string_view(m_foldedText.data() + m_foldedStart[row],
                               m_foldedStart[row + 1] - m_foldedStart[row]);
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
    const int byFolded = folded(x).compare(folded(y));
    if (byFolded != 0)
        return byFolded < 0;
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
