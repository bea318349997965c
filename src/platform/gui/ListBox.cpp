#include "platform/gui/ListBox.h"

#include "platform/gui/ListBoxDelegate.h"
#include "platform/gui/ListBoxLook.h"
#include "platform/gui/ListBoxModel.h"
#include "platform/gui/ListBoxSelection.h"
#include "platform/gui/ListBoxView.h"

#include <QHeaderView>
#include <QVBoxLayout>

// Collects the selection changes of one call into a single onChange, raised when the
// outermost call returns.
class ListBox::ChangeBatch {
public:
    explicit ChangeBatch(ListBox& list) : m_list(list) { ++m_list.m_batchDepth; }
    ~ChangeBatch()
    {
        if (--m_list.m_batchDepth > 0 || !m_list.m_changedInBatch)
            return;
        m_list.m_changedInBatch = false;
        if (m_list.onChange)
            m_list.onChange();
    }
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    ListBox& m_list;
};

ListBox::ListBox(QWidget* parent)
    : QWidget(parent), m_model(std::make_unique<ListBoxModel>()),
      m_look(std::make_unique<ListBoxLook>())
{
    m_view = new ListBoxView(*m_model, *m_look, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    m_selection = new ListBoxSelection(m_model.get(), m_view->selectionModel());
    m_selection->changed = [this] { selectionChanged(); };
    m_view->setRowSelection(m_selection);
    m_view->onToggle = [this](int row) { setExpanded(row, !expanded(row)); };
    m_view->onStartDrag = [this](int row) { startRowDrag(row); };
    m_view->onPress = [this](const QPoint& p) { return onMouseDown && onMouseDown(p.x(), p.y()); };
    m_view->onDoubleClick = [this](int row) {
        if (onDoubleClick)
            onDoubleClick(row);
    };
    m_view->delegate()->onCellTextPaint = [this](int row, int column) {
        if (onCellTextPaint)
            onCellTextPaint(row, column);
    };
    connect(m_view->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { pressHeader(column); });
    setTextSize(m_look->textSize);
}

ListBox::~ListBox()
{
    // The view refers to the model; it goes first.
    delete m_view;
    m_view = nullptr;
}

void ListBox::selectionChanged()
{
    if (m_batchDepth > 0)
        m_changedInBatch = true;
    else if (onChange)
        onChange();
}

void ListBox::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (onMouseEnter)
        onMouseEnter();
}

void ListBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (onMouseExit)
        onMouseExit();
}

// --- rows

void ListBox::removeAllRows()
{
    ChangeBatch batch(*this);
    if (m_model->count() > 0 && selCount() > 0)
        m_changedInBatch = true;
    m_model->clear();
}

void ListBox::addRow(ListRow row)
{
    m_model->add(std::move(row));
}

int ListBox::rowCount() const
{
    return m_model->count();
}

const ListRow& ListBox::row(int index) const
{
    return m_model->row(index);
}

void ListBox::setCellUnderline(int row, bool underline)
{
    m_model->setUnderline(row, underline);
}

QString ListBox::cellText(int row, int column) const
{
    return m_model->cellText(row, column);
}

void ListBox::setCellFormatter(std::function<QString(const ListRow&, int column)> f)
{
    m_model->setFormatter(std::move(f));
}

// --- expansion

bool ListBox::expanded(int row) const
{
    return m_model->row(row).expanded;
}

void ListBox::setExpanded(int row, bool expanded)
{
    ChangeBatch batch(*this);
    if (!expanded) {
        const int before = selCount();
        if (m_model->collapse(row) && selCount() != before)
            m_changedInBatch = true;
        return;
    }
    if (!m_model->beginExpand(row))
        return;
    struct EndExpand {
        ListBoxModel& model;
        ~EndExpand() { model.endExpand(); }
    } end{*m_model};
    if (onExpandRow)
        onExpandRow(row);
}

// --- selection

int ListBox::selCount() const
{
    m_model->settle();
    return m_selection->count();
}

bool ListBox::selected(int row) const
{
    m_model->settle();
    return m_selection->contains(row);
}

void ListBox::setSelected(int row, bool selected)
{
    ChangeBatch batch(*this);
    m_model->settle();
    m_selection->set(row, selected);
}

void ListBox::selectRows(const std::vector<int>& rows)
{
    ChangeBatch batch(*this);
    m_model->settle();
    m_selection->add(rows);
}

void ListBox::deselectAll()
{
    ChangeBatch batch(*this);
    m_model->settle();
    m_selection->clear();
}

std::vector<int> ListBox::selectedRows() const
{
    m_model->settle();
    return m_selection->rows();
}

// --- sorting

int ListBox::sortedColumn() const
{
    return m_sortColumn;
}

bool ListBox::sortAscending() const
{
    return m_sortAscending;
}

void ListBox::setSortedColumn(int column)
{
    if (column >= 0 && column < kColumns)
        m_sortColumn = column;
}

void ListBox::setSortAscending(bool ascending)
{
    m_sortAscending = ascending;
}

void ListBox::sort()
{
    m_model->sortBy(m_sortColumn, m_sortAscending);
}

void ListBox::setHeaderIndicator(int column, bool ascending)
{
    m_indicatorColumn = column >= 0 && column < kColumns ? column : -1;
    m_indicatorAscending = ascending;
    m_view->header()->setSortIndicator(m_indicatorColumn,
                                       ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ListBox::pressHeader(int column)
{
    if (column < 0 || column >= kColumns)
        return;
    if (onHeaderPressed && onHeaderPressed(column)) {
        // The header flips its arrow by itself on a click; put back what stands.
        setHeaderIndicator(m_indicatorColumn, m_indicatorAscending);
        return;
    }
    const bool ascending = column == m_indicatorColumn ? !m_indicatorAscending : true;
    m_sortColumn = column;
    m_sortAscending = ascending;
    setHeaderIndicator(column, ascending);
    if (onSortColumn && onSortColumn(column))
        return;
    sort();
}
