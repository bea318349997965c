#pragma once

#include <QObject>
#include <functional>
#include <utility>
#include <vector>

class QAbstractItemModel;
class QItemSelectionModel;

// The list's selection, read as merged row intervals. Qt keeps a selection as ranges and
// answers "is this row selected" by walking all of them; with thousands of selected rows
// that makes row-by-row questions quadratic. The merged intervals are built once after
// each change and answer by binary search.
class ListBoxSelection : public QObject {
    Q_OBJECT
public:
    ListBoxSelection(QAbstractItemModel* model, QItemSelectionModel* selection);

    int count() const;
    bool contains(int row) const;
    std::vector<int> rows() const; // ascending
    // Adds the rows to the selection with one change of Qt's selection model.
    void add(const std::vector<int>& rows);
    void set(int row, bool selected);
    void clear();

    // Raised for every change of the selection, by the user or by code.
    std::function<void()> changed;

private:
    using Interval = std::pair<int, int>; // first and last row, inclusive
    const std::vector<Interval>& intervals() const;
    void invalidate() { m_valid = false; }
    void replace(const std::vector<Interval>& intervals);

    QAbstractItemModel* m_model;
    QItemSelectionModel* m_selection;
    mutable std::vector<Interval> m_intervals;
    mutable bool m_valid = false;
};
