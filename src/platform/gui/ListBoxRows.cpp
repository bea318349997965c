#include "platform/gui/ListBoxRows.h"

#include <algorithm>

namespace {

// Below this many dead text units the store is left as it is.
constexpr size_t kCompactAbove = size_t(1) << 20;

void assign(QString& out, QStringView text) {
    // resize() keeps the buffer when out holds the only reference to it.
    out.resize(text.size());
    std::copy_n(text.utf16(), text.size(), reinterpret_cast<char16_t*>(out.data()));
}

} // namespace

ListBoxRows::ListBoxRows() {
    m_folders.emplace_back(); // index 0: paths without a folder part
    m_folderIndex.insert(QString(), 0);
}

ListBoxRows::~ListBoxRows() = default;

void ListBoxRows::appendPath(const StoredRow& row, QString& out) const {
    out.append(m_folders[row.folder]);
    out.append(m_texts.view(row.leafIsName ? row.name : row.leaf));
}

void ListBoxRows::fill(const StoredRow& row, ListRow& out) const {
    assign(out.name, m_texts.view(row.name));
    const QString& folder = m_folders[row.folder];
    const QStringView leaf = m_texts.view(row.leafIsName ? row.name : row.leaf);
    out.path.resize(folder.size() + leaf.size());
    char16_t* path = reinterpret_cast<char16_t*>(out.path.data());
    std::copy_n(folder.utf16(), folder.size(), path);
    std::copy_n(leaf.utf16(), leaf.size(), path + folder.size());
    out.created = row.created;
    out.modified = row.modified;
    out.size = row.size;
    out.creator = row.creator;
    out.type = row.type;
    out.vref = row.vref;
    out.picture = row.picture;
    out.folderRow = row.has(StoredRow::kFolderRow);
    out.underline = row.has(StoredRow::kUnderline);
    out.depth = row.depth;
    out.expanded = row.has(StoredRow::kExpanded);
}

ListRow ListBoxRows::materialize(const StoredRow& row) const {
    ListRow out;
    fill(row, out);
    return out;
}

void ListBoxRows::clear() {
    // Release the memory too: a list of 100,000 rows replaced by one of 10 should not
    // keep the large pool.
    std::vector<std::unique_ptr<StoredRow[]>>().swap(m_blocks);
    m_slots = 0;
    std::vector<uint32_t>().swap(m_order);
    std::vector<uint32_t>().swap(m_free);
    m_texts.clear();
    m_folders.resize(1);
    m_folderIndex.clear();
    m_folderIndex.insert(QString(), 0);
    ++m_generation;
}

uint32_t ListBoxRows::takeSlot() {
    if (m_reuseSlots && !m_free.empty()) {
        const uint32_t s = m_free.back();
        m_free.pop_back();
        return s;
    }
    if ((m_slots >> kBlockBits) >= m_blocks.size())
        m_blocks.push_back(std::make_unique<StoredRow[]>(size_t(kBlockMask) + 1));
    return m_slots++;
}

// Rows come in runs of one folder, so the last folder part is tried before the table.
uint32_t ListBoxRows::folderIndex(QStringView folder) {
    if (m_lastFolder < m_folders.size() && m_folders[m_lastFolder] == folder)
        return m_lastFolder;
    const QString key = folder.toString();
    auto it = m_folderIndex.constFind(key);
    if (it == m_folderIndex.cend()) {
        it = m_folderIndex.insert(key, uint32_t(m_folders.size()));
        m_folders.push_back(key);
    }
    m_lastFolder = it.value();
    return m_lastFolder;
}

uint32_t ListBoxRows::store(const ListRow& row) {
    const uint32_t s = takeSlot();
    StoredRow& out = slot(s);
    out = StoredRow{};
    out.created = row.created;
    out.modified = row.modified;
    out.size = row.size;
    out.vref = row.vref;
    out.creator = row.creator;
    out.type = row.type;
    out.picture = row.picture;
    out.depth = row.depth;
    out.set(StoredRow::kFolderRow, row.folderRow);
    out.set(StoredRow::kUnderline, row.underline);
    out.set(StoredRow::kExpanded, row.expanded);
    out.name = m_texts.add(row.name);
    const qsizetype cut = row.path.lastIndexOf(QLatin1Char(':')) + 1;
    const QStringView path(row.path);
    out.folder = folderIndex(path.left(cut));
    const QStringView leaf = path.mid(cut);
    out.leafIsName = leaf == QStringView(row.name);
    if (!out.leafIsName)
        out.leaf = m_texts.add(leaf);
    return s;
}

void ListBoxRows::forget(StoredRow& row) {
    m_texts.remove(row.name);
    m_texts.remove(row.leaf);
    row = StoredRow{};
}

void ListBoxRows::release(uint32_t s) {
    if (s >= m_slots)
        return;
    forget(slot(s));
    m_free.push_back(s);
}

void ListBoxRows::append(const ListRow& row) {
    m_order.push_back(store(row));
    ++m_generation;
}

void ListBoxRows::insert(int at, const std::vector<uint32_t>& slots) {
    at = std::clamp(at, 0, size());
    m_order.insert(m_order.begin() + at, slots.begin(), slots.end());
    ++m_generation;
}

void ListBoxRows::remove(int first, int count) {
    first = std::clamp(first, 0, size());
    count = std::clamp(count, 0, size() - first);
    const auto begin = m_order.begin() + first;
    const auto end = begin + count;
    for (auto it = begin; it != end; ++it) {
        forget(slot(*it));
        m_free.push_back(*it);
    }
    m_order.erase(begin, end);
    ++m_generation;
    if (m_texts.dead() > kCompactAbove && m_texts.dead() > m_texts.live())
        compactTexts();
}

// Every slot, in use or free, is copied; free slots hold no text.
void ListBoxRows::compactTexts() {
    ListBoxTexts fresh;
    for (uint32_t s = 0; s < m_slots; ++s) {
        StoredRow& row = slot(s);
        row.name = fresh.add(m_texts.view(row.name));
        if (!row.leafIsName)
            row.leaf = fresh.add(m_texts.view(row.leaf));
    }
    m_texts = std::move(fresh);
}

void ListBoxRows::reorder(const std::vector<int>& newOrder) {
    if (newOrder.size() != m_order.size())
        return;
    std::vector<uint32_t> order(m_order.size());
    for (size_t i = 0; i < newOrder.size(); ++i)
        order[i] = m_order[static_cast<size_t>(newOrder[i])];
    m_order.swap(order);
    ++m_generation;
}

int ListBoxRows::subtreeEnd(int row) const {
    if (!valid(row))
        return std::clamp(row, 0, size());
    const uint8_t depth = at(row).depth;
    int end = row + 1;
    while (end < size() && at(end).depth > depth)
        ++end;
    return end;
}

int ListBoxRows::findSlot(uint32_t slot) const {
    const auto it = std::find(m_order.begin(), m_order.end(), slot);
    return it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
}
