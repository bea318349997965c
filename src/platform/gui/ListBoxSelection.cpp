#include "platform/gui/ListBoxSelection.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <algorithm>

namespace {

using Interval = std::pair<int, int>;

// Sorts and joins overlapping or touching intervals.
std::vector<Interval> merged(std::vector<Interval> intervals)
{
    std::sort(intervals.begin(), intervals.end());
    std::vector<Interval> out;
    for (const Interval& interval : intervals) {
        if (!out.empty() && interval.first <= out.back().second + 1)
            out.back().second = std::max(out.back().second, interval.second);
        else
            out.push_back(interval);
    }
    return out;
}

} // namespace

ListBoxSelection::ListBoxSelection(QAbstractItemModel* model, QItemSelectionModel* selection)
    : QObject(selection), m_model(model), m_selection(selection)
{
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] {
        invalidate();
        if (changed)
            changed();
    });
    // Qt moves its ranges along with inserted, removed and sorted rows without saying so.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { invalidate(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { invalidate(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { invalidate(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { invalidate(); });
}

const std::vector<Interval>& ListBoxSelection::intervals() const
{
    if (m_valid)
        return m_intervals;
    std::vector<Interval> raw;
    const QItemSelection selection = m_selection->selection();
    raw.reserve(static_cast<size_t>(selection.size()));
    for (const QItemSelectionRange& range : selection) {
        if (range.isValid())
            raw.emplace_back(range.top(), range.bottom());
    }
    m_intervals = merged(std::move(raw));
    m_valid = true;
    return m_intervals;
}

int ListBoxSelection::count() const
{
    int total = 0;
    for (const Interval& interval : intervals())
        total += interval.second - interval.first + 1;
    return total;
}

bool ListBoxSelection::contains(int row) const
{
    const std::vector<Interval>& all = intervals();
    auto it = std::upper_bound(all.begin(), all.end(), row,
                               [](int r, const Interval& i) { return r < i.first; });
    return it != all.begin() && row <= std::prev(it)->second;
}

std::vector<int> ListBoxSelection::rows() const
{
    std::vector<int> out;
    out.reserve(static_cast<size_t>(count()));
    for (const Interval& interval : intervals()) {
        for (int row = interval.first; row <= interval.second; ++row)
            out.push_back(row);
    }
    return out;
}

void ListBoxSelection::add(const std::vector<int>& rows)
{
    const int rowCount = m_model->rowCount();
    std::vector<Interval> wanted = intervals();
    const size_t before = wanted.size();
    for (int row : rows) {
        if (row >= 0 && row < rowCount && !contains(row))
            wanted.emplace_back(row, row);
    }
    if (wanted.size() == before)
        return;
    replace(merged(std::move(wanted)));
}

// Qt compares the old and the new selection range by range, which is quadratic when
// both are large; clearing first keeps each step linear.
void ListBoxSelection::replace(const std::vector<Interval>& intervals)
{
    const int lastColumn = m_model->columnCount() - 1;
    QItemSelection selection;
    selection.reserve(static_cast<qsizetype>(intervals.size()));
    for (const Interval& interval : intervals)
        selection.append(QItemSelectionRange(m_model->index(interval.first, 0),
                                             m_model->index(interval.second, lastColumn)));
    m_selection->clearSelection();
    m_selection->select(selection, QItemSelectionModel::Select);
}

void ListBoxSelection::set(int row, bool selected)
{
    if (row < 0 || row >= m_model->rowCount() || contains(row) == selected)
        return;
    const QItemSelection one(m_model->index(row, 0),
                             m_model->index(row, m_model->columnCount() - 1));
    m_selection->select(one, selected ? QItemSelectionModel::Select
                                      : QItemSelectionModel::Deselect);
}

void ListBoxSelection::clear()
{
    m_selection->clearSelection();
}
