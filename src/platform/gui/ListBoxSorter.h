#pragma once

#include "platform/gui/ListBoxRows.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// Sorts the rows of a hierarchical list among their siblings, so that every row keeps
// its descendants directly below it. Keys compare without regard to case; equal keys
// are ordered by their exact text, and rows with the same exact text keep their order.
//
// Each row's key is made once per sort and folded once; its characters are packed eight
// at a time into two integers that travel with the row through the sort, so that the
// comparisons are between integers and touch no text (see refine).
class ListBoxSorter {
  public:
    using KeyFunction = std::function<QString(const ListRow&)>;

    ListBoxSorter(const ListBoxRows& rows, const KeyFunction& key, bool ascending);

    // newOrder[i] is the index of the row that goes to position i.
    std::vector<int> sortedOrder();

  private:
    struct Subtree {
        uint64_t prefix0;
        uint64_t prefix1;
        uint32_t head;
        uint32_t end;
    };

    void sortSiblings(int begin, int end);
    void refine(Subtree* first, Subtree* last, size_t offset);
    Subtree subtree(int head, int end) const;
    bool before(const Subtree& a, const Subtree& b) const;
    void addKey(const QString& text);
    std::u16string_view folded(size_t row) const;
    std::u16string_view exact(size_t row) const;

    const ListBoxRows& m_rows;
    bool m_ascending;
    // All keys in large chunks, which grow without ever being copied: no allocation per
    // row. The exact text follows the folded one only where the two differ.
    struct Key {
        uint32_t at = 0; // chunk index in the high 16 bits, position in the low 16
        uint32_t length = 0; // of the folded text; kExactFollows marks an exact text after it
    };
    static constexpr uint32_t kExactFollows = 0x80000000u;
    static constexpr uint32_t kChunkBits = 16;
    static constexpr uint32_t kChunkMask = (1u << kChunkBits) - 1;
    static constexpr uint32_t kChunkUnits = 1u << kChunkBits;
    char16_t* take(size_t units, uint32_t& at);

    std::vector<std::unique_ptr<char16_t[]>> m_chunks;
    uint32_t m_used = kChunkUnits;
    std::vector<Key> m_folded;
    std::vector<int> m_result;
};
