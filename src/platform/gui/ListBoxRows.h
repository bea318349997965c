#pragma once

#include "platform/gui/ListBoxTexts.h"
#include "platform/gui/ListRow.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

// One row as the list keeps it: the values of ListRow, its texts as references, 48
// bytes. The name is kept once. The volume reference number and the path's folder part
// are kept once for every row of the same folder, and the path is that folder part
// followed by the name; where the path's last component is not the name (a hidden
// extension, a ":" written as "/"), the whole path is a folder part of its own.
struct StoredRow {
    static constexpr uint8_t kFolderRow = 1;
    static constexpr uint8_t kUnderline = 2;
    static constexpr uint8_t kExpanded = 4;
    static constexpr uint8_t kWholePath = 8; // the folder part is the whole path

    int64_t created = 0;
    int64_t modified = 0;
    int64_t size = -1;
    ListBoxTexts::Ref name;
    uint32_t folder = 0; // index into the folder parts
    std::array<char, 4> creator{};
    std::array<char, 4> type{};
    uint16_t picture = 0;
    uint8_t depth = 0;
    uint8_t flags = 0;

    bool has(uint8_t flag) const { return flags & flag; }
    void set(uint8_t flag, bool on) { flags = on ? uint8_t(flags | flag) : uint8_t(flags & ~flag); }
};

// The list's rows in display order. Rows live in a pool and the display order is a
// vector of pool indexes, so that splicing the children of an expanded row into a long
// list moves four bytes a row instead of whole rows.
class ListBoxRows {
  public:
    static constexpr uint32_t kNoSlot = UINT32_MAX;

    ListBoxRows();
    ~ListBoxRows();

    int size() const { return static_cast<int>(m_order.size()); }
    bool valid(int row) const { return row >= 0 && row < size(); }
    const StoredRow& at(int row) const { return slot(m_order[static_cast<size_t>(row)]); }
    StoredRow& at(int row) { return slot(m_order[static_cast<size_t>(row)]); }
    uint32_t slotOf(int row) const { return m_order[static_cast<size_t>(row)]; }
    const StoredRow& slot(uint32_t s) const { return m_blocks[s >> kBlockBits][s & kBlockMask]; }
    StoredRow& slot(uint32_t s) { return m_blocks[s >> kBlockBits][s & kBlockMask]; }
    // Structural changes bump the generation, so that a remembered row index can tell
    // that it may be stale.
    uint64_t generation() const { return m_generation; }

    int32_t vref(const StoredRow& row) const { return m_folders[row.folder].vref; }
    void appendPath(const StoredRow& row, QString& out) const;
    // The row as the program gave it. `out` keeps its buffers where it can, so that a
    // loop over many rows does not allocate for each.
    void fill(const StoredRow& row, ListRow& out) const;
    ListRow materialize(const StoredRow& row) const;

    void clear();
    // Keeps the row in a slot that is in no display position yet.
    uint32_t store(const ListRow& row);
    void release(uint32_t slot); // a stored slot that never got a position
    void append(const ListRow& row);
    void insert(int at, const std::vector<uint32_t>& slots);
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
    // Rows live in fixed blocks: growing the pool never copies it, so a million rows
    // never need twice their memory for a moment.
    static constexpr uint32_t kBlockBits = 12;
    static constexpr uint32_t kBlockMask = (1u << kBlockBits) - 1;

    uint32_t takeSlot();
    uint32_t folderIndex(int32_t vref, QStringView folder);
    void forget(StoredRow& row);
    void compactTexts();

    std::vector<std::unique_ptr<StoredRow[]>> m_blocks;
    uint32_t m_slots = 0; // slots handed out so far
    std::vector<uint32_t> m_order;
    std::vector<uint32_t> m_free;
    ListBoxTexts m_texts;
    struct FolderPart {
        int32_t vref = 0;
        QString text;
    };
    std::vector<FolderPart> m_folders;
    QHash<std::pair<int32_t, QString>, uint32_t> m_folderIndex;
    uint32_t m_lastFolder = 0;
    uint64_t m_generation = 0;
    bool m_reuseSlots = true;
};
