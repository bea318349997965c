#pragma once

#include <QString>
#include <array>
#include <cstdint>

// One row of the hierarchical list, kept compact: the cells are stored as values and
// turned into text only when drawn or sorted (see ListBox::setCellFormatter).
struct ListRow {
    QString name;          // column 0 text
    QString path;          // column 8: the item's volume-relative path (a key, never shown)
    int64_t created = 0;   // column 1: seconds since the epoch
    int64_t modified = 0;  // column 2
    int64_t size = -1;     // columns 3 and 6; -1 shows "---"
    std::array<char, 4> creator{}; // column 4, raw code bytes
    std::array<char, 4> type{};    // column 5
    int32_t vref = 0;      // column 7
    uint16_t picture = 0;  // resource id of the row picture; 0 for none
    bool folderRow = false; // shows a disclosure triangle and can be expanded
    bool underline = false; // column 0 underlined

    // Kept by the list itself.
    uint8_t depth = 0;
    bool expanded = false;
};
