#pragma once

#include "platform/gui/ListBoxRows.h"

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

// Sorts the rows of a hierarchical list among their siblings, so that every row keeps
// its descendants directly below it. Keys compare without regard to case; equal keys
// are ordered by their exact text, and rows with the same exact text keep their order.
// Each row's key is made once per sort, not once per comparison.
class ListBoxSorter {
public:
    using KeyFunction = std::function<QString(const ListRow&)>;

    ListBoxSorter(const ListBoxRows& rows, const KeyFunction& key, bool ascending);

    // newOrder[i] is the index of the row that goes to position i.
    std::vector<int> sortedOrder();

private:
    struct Subtree {
        int head;
        int end;
    };

    void sortSiblings(int begin, int end);
    bool before(const Subtree& a, const Subtree& b) const;
    void appendFolded(const QString& text);
    std::u16string_view folded(size_t row) const;

    const ListBoxRows& m_rows;
    bool m_ascending;
    std::vector<QString> m_exact;
    // All folded keys in one buffer: one allocation per sort instead of one per row.
    std::vector<char16_t> m_foldedText;
    std::vector<uint32_t> m_foldedStart; // one more entry than rows
    std::vector<int> m_result;
};
