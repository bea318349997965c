#include "listview/ListState.h"

#include "platform/gui/ListBox.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

ListState::ListState() : rowState(1) {}

void ListState::saveSelRows(const ListBox& list)
{
    rowState.clear();
    for (int row : list.selectedRows()) {
        FileKeeper k;
        k.getFrom(list, row);
        rowState.push_back(std::move(k));
    }
}

void ListState::saveExPath(const ListBox& list)
{
    rowState.clear();
    for (int row = 0, n = list.rowCount(); row < n; ++row) {
        if (!list.expanded(row))
            continue;
        FileKeeper k;
        k.getFrom(list, row);
        rowState.push_back(std::move(k));
    }
}

// Every row whose key is saved gets selected: one pass over the rows with a hash of the
// keys, instead of comparing every key with every row.
void ListState::restoreSelRows(ListBox& list) const
{
    std::unordered_set<FileKeeper, FileKeeperHash> keys(rowState.begin(), rowState.end());
    std::vector<int> rows;
    FileKeeper k; // one buffer for every row's key
    for (int row = 0, n = list.rowCount(); row < n; ++row) {
        if (list.rowKey(row, k.vref, k.path) && keys.count(k))
            rows.push_back(row);
    }
    if (!rows.empty())
        list.selectRows(rows);
}

namespace {

// The rows that carry one of the saved keys, kept with their current positions while
// expansions insert rows. Only matching rows are tracked, so an expansion costs the
// number of its children plus the number of matching rows, never the whole list.
class MatchIndex {
public:
    explicit MatchIndex(const std::vector<FileKeeper>& keys)
    {
        for (const FileKeeper& k : keys)
            m_rowsOf.emplace(k, std::vector<int>{});
    }

    void scan(const ListBox& list, int from, int to)
    {
        for (int row = from; row < to; ++row) {
            if (!list.rowKey(row, m_scratch.vref, m_scratch.path))
                continue;
            auto it = m_rowsOf.find(m_scratch);
            if (it != m_rowsOf.end())
                it->second.push_back(row);
        }
    }

    int firstRow(const FileKeeper& k) const
    {
        auto it = m_rowsOf.find(k);
        if (it == m_rowsOf.end() || it->second.empty())
            return -1;
        return *std::min_element(it->second.begin(), it->second.end());
    }

    // n rows were inserted directly below row `at`.
    void shiftAfter(int at, int n)
    {
        for (auto& [key, rows] : m_rowsOf)
            for (int& row : rows)
                if (row > at)
                    row += n;
    }

private:
    std::unordered_map<FileKeeper, std::vector<int>, FileKeeperHash> m_rowsOf;
    FileKeeper m_scratch; // one buffer for every row's key
};

} // namespace

// For each key in order, the first row that carries it is expanded. Keys are in row
// order, so a folder inside an expanded folder is looked for after its parent opened.
void ListState::restoreExPath(ListBox& list) const
{
    // The expand handler may forget a key of this very state (an alias that no longer
    // resolves), so walk a copy.
    const std::vector<FileKeeper> keys = rowState;
    if (keys.empty())
        return;
    MatchIndex index(keys);
    index.scan(list, 0, list.rowCount());
    for (const FileKeeper& k : keys) {
        int row = index.firstRow(k);
        if (row < 0 || list.expanded(row))
            continue;
        int before = list.rowCount();
        list.setExpanded(row, true);
        int added = list.rowCount() - before;
        if (added <= 0)
            continue;
        index.shiftAfter(row, added);
        index.scan(list, row + 1, row + 1 + added);
    }
}

void ListState::removeExpath(const ListBox& list, int row)
{
    auto it = std::find_if(rowState.begin(), rowState.end(),
                           [&](const FileKeeper& k) { return k.compareWith(list, row); });
    if (it != rowState.end())
        rowState.erase(it);
}

FolderItemPtr ListState::getSelFI(int i) const
{
    if (i < 0 || i >= getCount())
        return nullptr;
    return rowState[size_t(i)].getFI();
}
