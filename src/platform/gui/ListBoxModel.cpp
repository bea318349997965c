#include "platform/gui/ListBoxModel.h"

#include "platform/gui/ListBoxSorter.h"

#include <algorithm>

namespace {

const ListRow kEmptyRow{};

QString defaultText(const ListRow& row, int column)
{
    switch (column) {
    case 0:
        return row.name;
    case 7:
        return QString::number(row.vref);
    case 8:
        return row.path;
    default:
        return {};
    }
}

} // namespace

ListBoxModel::ListBoxModel(QObject* parent) : QAbstractItemModel(parent)
{
    m_alignment.fill(Qt::AlignLeft);
}

QModelIndex ListBoxModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= m_published || column < 0 || column >= kColumns)
        return {};
    return createIndex(row, column);
}

QModelIndex ListBoxModel::parent(const QModelIndex&) const
{
    return {};
}

int ListBoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_published;
}

int ListBoxModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

bool ListBoxModel::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && m_published > 0;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_published)
        return {};
    if (role == Qt::DisplayRole)
        return shownText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(index.column()) | Qt::AlignVCenter);
    return {};
}

QVariant ListBoxModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= m_headings.size())
        return {};
    return m_headings.at(section);
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                           : Qt::NoItemFlags;
}

int ListBoxModel::count() const
{
    const size_t pending = m_expansions.empty() ? 0 : m_expansions.back().pending.size();
    return m_rows.size() + static_cast<int>(pending);
}

const ListRow& ListBoxModel::row(int index) const
{
    if (!m_expansions.empty() && !m_expansions.back().pending.empty()) {
        const Expansion& expansion = m_expansions.back();
        const int pending = static_cast<int>(expansion.pending.size());
        if (index >= expansion.insertAt + pending)
            index -= pending;
        else if (index >= expansion.insertAt)
            return expansion.pending[static_cast<size_t>(index - expansion.insertAt)];
    }
    return m_rows.valid(index) ? m_rows.at(index) : kEmptyRow;
}

QString ListBoxModel::cellText(int row, int column) const
{
    if (row < 0 || row >= count() || column < 0 || column >= kColumns)
        return {};
    return m_formatter ? m_formatter(this->row(row), column) : defaultText(this->row(row), column);
}

const ListRow& ListBoxModel::shownRow(int index) const
{
    return index >= 0 && index < m_published ? m_rows.at(index) : kEmptyRow;
}

QString ListBoxModel::shownText(int row, int column) const
{
    if (row < 0 || row >= m_published || column < 0 || column >= kColumns)
        return {};
    return m_formatter ? m_formatter(m_rows.at(row), column) : defaultText(m_rows.at(row), column);
}

void ListBoxModel::setFormatter(Formatter formatter)
{
    m_formatter = std::move(formatter);
    if (m_published > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_published - 1, kColumns - 1), {Qt::DisplayRole});
}

void ListBoxModel::setHeadings(const QStringList& headings)
{
    m_headings = headings;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void ListBoxModel::setAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0 || column >= kColumns)
        return;
    m_alignment[static_cast<size_t>(column)] = alignment & Qt::AlignHorizontal_Mask;
    if (m_published > 0)
        Q_EMIT dataChanged(index(0, column), index(m_published - 1, column));
}

Qt::Alignment ListBoxModel::alignment(int column) const
{
    return column >= 0 && column < kColumns ? m_alignment[static_cast<size_t>(column)]
                                            : Qt::AlignLeft;
}

void ListBoxModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_published = 0;
    for (Expansion& expansion : m_expansions) {
        expansion.dead = true;
        expansion.pending.clear();
    }
    endResetModel();
}

void ListBoxModel::add(ListRow row)
{
    row.expanded = false;
    if (m_expansions.empty()) {
        row.depth = 0;
        m_rows.append(std::move(row));
        schedulePublish();
        return;
    }
    Expansion& expansion = m_expansions.back();
    if (expansion.pending.empty() && !locate(expansion))
        return; // the expanding row is gone; its children have no place
    row.depth = expansion.childDepth;
    expansion.pending.push_back(std::move(row));
}

bool ListBoxModel::beginExpand(int row)
{
    settle();
    if (!m_rows.valid(row) || !m_rows.at(row).folderRow || m_rows.at(row).expanded)
        return false;
    ListRow& parent = m_rows.at(row);
    parent.expanded = true;
    rowChanged(row);
    Expansion expansion;
    expansion.slot = m_rows.slotOf(row);
    expansion.insertAt = m_rows.subtreeEnd(row);
    expansion.generation = m_rows.generation();
    expansion.childDepth = parent.depth == UINT8_MAX ? UINT8_MAX : uint8_t(parent.depth + 1);
    m_expansions.push_back(std::move(expansion));
    m_rows.setReuseSlots(false);
    return true;
}

void ListBoxModel::endExpand()
{
    if (m_expansions.empty())
        return;
    settle();
    m_expansions.pop_back();
    if (m_expansions.empty())
        m_rows.setReuseSlots(true);
}

bool ListBoxModel::collapse(int row)
{
    settle();
    if (!m_rows.valid(row) || !m_rows.at(row).expanded)
        return false;
    m_rows.at(row).expanded = false;
    const int end = m_rows.subtreeEnd(row);
    if (end > row + 1) {
        beginRemoveRows({}, row + 1, end - 1);
        m_rows.remove(row + 1, end - row - 1);
        m_published = m_rows.size();
        endRemoveRows();
    }
    rowChanged(row);
    return true;
}

void ListBoxModel::sortBy(int column, bool ascending)
{
    settle();
    if (m_rows.size() < 2 || column < 0 || column >= kColumns)
        return;
    const auto key = [this, column](const ListRow& row) {
        return m_formatter ? m_formatter(row, column) : defaultText(row, column);
    };
    const std::vector<int> order = ListBoxSorter(m_rows, key, ascending).sortedOrder();

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRow(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newRow[static_cast<size_t>(order[i])] = static_cast<int>(i);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to.append(createIndex(newRow[static_cast<size_t>(index.row())], index.column()));
    changePersistentIndexList(from, to);
    m_rows.reorder(order);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListBoxModel::settle()
{
    publish();
    commitPending();
}

void ListBoxModel::publish()
{
    if (m_published == m_rows.size())
        return;
    beginInsertRows({}, m_published, m_rows.size() - 1);
    m_published = m_rows.size();
    endInsertRows();
}

void ListBoxModel::schedulePublish()
{
    if (m_publishScheduled)
        return;
    m_publishScheduled = true;
    // A queued call runs before the (low-priority) repaint that the same changes asked
    // for, so the first paint already shows the new rows.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_publishScheduled = false;
            publish();
        },
        Qt::QueuedConnection);
}

void ListBoxModel::commitPending()
{
    if (m_expansions.empty() || m_expansions.back().pending.empty())
        return;
    Expansion& expansion = m_expansions.back();
    if (!locate(expansion)) {
        expansion.pending.clear();
        return;
    }
    const int count = static_cast<int>(expansion.pending.size());
    beginInsertRows({}, expansion.insertAt, expansion.insertAt + count - 1);
    m_rows.insert(expansion.insertAt, std::move(expansion.pending));
    m_published = m_rows.size();
    endInsertRows();
    expansion.pending.clear();
    expansion.insertAt += count;
    expansion.generation = m_rows.generation();
}

// The expanding row's index, and with it the place for its children, goes stale when
// the handler changes the list (a nested expansion, a collapse); find it again then.
bool ListBoxModel::locate(Expansion& expansion) const
{
    if (expansion.dead)
        return false;
    if (expansion.generation == m_rows.generation())
        return true;
    const int row = m_rows.findSlot(expansion.slot);
    if (row < 0 || !m_rows.at(row).expanded) {
        expansion.dead = true;
        return false;
    }
    expansion.insertAt = m_rows.subtreeEnd(row);
    expansion.generation = m_rows.generation();
    return true;
}

void ListBoxModel::setUnderline(int row, bool underline)
{
    settle();
    if (row < 0 || row >= count())
        return;
    m_rows.at(row).underline = underline;
    rowChanged(row);
}

void ListBoxModel::rowChanged(int row)
{
    if (row >= 0 && row < m_published)
        Q_EMIT dataChanged(index(row, 0), index(row, kColumns - 1));
}
