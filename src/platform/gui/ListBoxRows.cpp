#include "platform/gui/ListBoxRows.h"

#include <algorithm>

namespace {

// Below this many dead text units the store is left as it is.
constexpr size_t kCompactAbove = size_t(1) << 20;

} // namespace

ListBoxRows::ListBoxRows() {
    clear();
}

ListBoxRows::~ListBoxRows() = default;

void ListBoxRows::appendPath(const StoredRow& row, QString& out) const {
    out.append(m_folders[row.folder].text);
    if (!row.has(StoredRow::kWholePath))
        m_texts.append(row.name, out);
}

// resize() keeps a QString's buffer when it holds the only reference to it.
void ListBoxRows::fill(const StoredRow& row, ListRow& out) const {
    out.name.resize(0);
    m_texts.append(row.name, out.name);
    out.path.resize(0);
    appendPath(row, out.path);
    out.vref = vref(row);
    out.created = row.created;
    out.modified = row.modified;
    out.size = row.size;
    out.creator = row.creator;
    out.type = row.type;
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
    m_folders.assign(1, FolderPart{}); // index 0 for rows that hold nothing
    m_folderIndex.clear();
    m_lastFolder = 0;
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
uint32_t ListBoxRows::folderIndex(int32_t vref, QStringView folder) {
    const FolderPart& last = m_folders[m_lastFolder];
    if (m_lastFolder != 0 && last.vref == vref && last.text == folder)
        return m_lastFolder;
    const std::pair<int32_t, QString> key(vref, folder.toString());
    auto it = m_folderIndex.constFind(key);
    if (it == m_folderIndex.cend()) {
        it = m_folderIndex.insert(key, uint32_t(m_folders.size()));
        m_folders.push_back(FolderPart{vref, key.second});
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
    out.creator = row.creator;
    out.type = row.type;
    out.picture = row.picture;
    out.depth = row.depth;
    out.set(StoredRow::kFolderRow, row.folderRow);
    out.set(StoredRow::kUnderline, row.underline);
    out.set(StoredRow::kExpanded, row.expanded);
    out.name = m_texts.add(row.name);
    const QStringView path(row.path);
    const qsizetype cut = path.lastIndexOf(QLatin1Char(':')) + 1;
    const bool leafIsName = path.mid(cut) == QStringView(row.name);
    out.set(StoredRow::kWholePath, !leafIsName);
    out.folder = folderIndex(row.vref, leafIsName ? path.left(cut) : path);
    return s;
}

void ListBoxRows::forget(StoredRow& row) {
    m_texts.remove(row.name);
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
        row.name = fresh.add(m_texts, row.name);
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
static_assert(sizeof(StoredRow) == 48, "a row is meant to take 48 bytes");
