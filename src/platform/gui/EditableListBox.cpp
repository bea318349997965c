#include "platform/gui/EditableListBox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>

namespace {

// Column widths from their description: pixels, percentages of the whole, and empty
// entries sharing what is left equally.
std::vector<int> columnPixels(const QString& description, int columns, int total) {
    std::vector<int> widths(size_t(columns), -1);
    const QStringList parts = description.split(QLatin1Char(','));
    int used = 0;
    int shared = 0;
    for (int column = 0; column < columns; ++column) {
        const QString part = column < parts.size() ? parts.at(column).trimmed() : QString();
        bool ok = false;
        int width = -1;
        if (part.endsWith(QLatin1Char('%')))
            width = int(part.chopped(1).toDouble(&ok) * total / 100.0);
        else if (!part.isEmpty() && part != QLatin1String("*"))
            width = part.toInt(&ok);
        if (ok && width >= 0) {
            widths[size_t(column)] = width;
            used += width;
        } else {
            ++shared;
        }
    }
    const int rest = shared > 0 ? std::max(0, total - used) / shared : 0;
    for (int& width : widths) {
        if (width < 0)
            width = rest;
    }
    return widths;
}

// Return ends the editing and stays in the list: it must not reach the window's
// default button while the user is typing a cell.
class CellDelegate : public QStyledItemDelegate {
  public:
    const std::vector<bool>* editable = nullptr;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const size_t column = size_t(index.column());
        if (!editable || column >= editable->size() || !(*editable)[column])
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

std::vector<int> selectedRowsOf(const QTreeWidget& tree) {
    std::vector<int> rows;
    for (int row = 0; row < tree.topLevelItemCount(); ++row) {
        if (tree.topLevelItem(row)->isSelected())
            rows.push_back(row);
    }
    return rows;
}

class ListTree : public QTreeWidget {
  public:
    EditableListBox* owner = nullptr;

    bool editing() const { return state() == EditingState; }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        m_editOnRelease = QPersistentModelIndex();
        const QPoint pos = e->position().toPoint();
        QModelIndex index = indexAt(pos);
        if (!index.isValid() || !owner) {
            QTreeWidget::mousePressEvent(e);
            return;
        }
        const std::vector<int> before = selectedRowsOf(*this);
        if (owner->onCellClick) {
            const QRect cell = visualRect(index);
            if (owner->onCellClick(index.row(), index.column(), pos.x() - cell.left(),
                                   pos.y() - cell.top())) {
                e->accept();
                return;
            }
            index = indexAt(pos);
        }
        // A handler that set the selection itself has had its say: what follows is a
        // plain click, which keeps that selection instead of toggling or extending it.
        const bool plain = selectedRowsOf(*this) != before || e->modifiers() == Qt::NoModifier;
        QMouseEvent plainPress(e->type(), e->position(), e->scenePosition(), e->globalPosition(),
                               e->button(), e->buttons(), Qt::NoModifier);
        QTreeWidget::mousePressEvent(plain ? &plainPress : e);
        if (plain && index.isValid() && owner->columnEditable(index.column()))
            m_editOnRelease = index;
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        QTreeWidget::mouseReleaseEvent(e);
        const QModelIndex index = indexAt(e->position().toPoint());
        if (m_editOnRelease.isValid() && index == m_editOnRelease)
            edit(index);
        m_editOnRelease = QPersistentModelIndex();
    }

    void resizeEvent(QResizeEvent* e) override {
        QTreeWidget::resizeEvent(e);
        if (owner)
            owner->applyColumnWidths();
    }

  private:
    QPersistentModelIndex m_editOnRelease;
};

} // namespace

EditableListBox::EditableListBox(WindowBase& window, int left, int top, int width, int height,
                                 int columns, Control* inside)
    : Control(window, new ListTree, QRect(left, top, width, height), inside),
      m_columns(std::max(1, columns)), m_editable(size_t(m_columns), false) {
    auto* t = static_cast<ListTree*>(tree());
    t->owner = this;
    t->setColumnCount(m_columns);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setSelectionMode(QAbstractItemView::ExtendedSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSortingEnabled(false);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* delegate = new CellDelegate;
    delegate->setParent(t);
    delegate->editable = &m_editable;
    t->setItemDelegate(delegate);
    QHeaderView* header = t->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { pressHeader(column); });
}

EditableListBox::~EditableListBox() = default;

QTreeWidget* EditableListBox::tree() const {
    return static_cast<QTreeWidget*>(widget());
}

void EditableListBox::setHeadings(const QStringList& headings) {
    QStringList labels = headings.mid(0, m_columns);
    while (labels.size() < m_columns)
        labels << QString();
    tree()->setHeaderLabels(labels);
}

QStringList EditableListBox::headings() const {
    QStringList labels;
    const QTreeWidgetItem* header = tree()->headerItem();
    for (int column = 0; column < m_columns; ++column)
        labels << header->text(column);
    return labels;
}

void EditableListBox::setColumnWidths(const QString& widths) {
    m_widths = widths;
    applyColumnWidths();
}

void EditableListBox::applyColumnWidths() {
    QTreeWidget* t = tree();
    const std::vector<int> widths = columnPixels(m_widths, m_columns, t->viewport()->width());
    for (int column = 0; column < m_columns; ++column) {
        const int width = widths[size_t(column)];
        t->setColumnHidden(column, width == 0);
        if (width > 0)
            t->header()->resizeSection(column, width);
    }
}

int EditableListBox::columnWidth(int column) const {
    if (column < 0 || column >= m_columns || tree()->isColumnHidden(column))
        return 0;
    return tree()->header()->sectionSize(column);
}

void EditableListBox::setColumnEditable(int column, bool editable) {
    if (column >= 0 && column < m_columns)
        m_editable[size_t(column)] = editable;
}

bool EditableListBox::columnEditable(int column) const {
    return column >= 0 && column < m_columns && m_editable[size_t(column)];
}

int EditableListBox::rowCount() const {
    return tree()->topLevelItemCount();
}

void EditableListBox::addRow(const QStringList& cells) {
    auto* item = new QTreeWidgetItem(cells.mid(0, m_columns));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    tree()->addTopLevelItem(item);
}

void EditableListBox::removeRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    delete tree()->takeTopLevelItem(row);
}

void EditableListBox::deleteAllRows() {
    tree()->clear();
}

QString EditableListBox::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return {};
    return tree()->topLevelItem(row)->text(column);
}

void EditableListBox::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return;
    tree()->topLevelItem(row)->setText(column, text);
}

bool EditableListBox::selected(int row) const {
    return row >= 0 && row < rowCount() && tree()->topLevelItem(row)->isSelected();
}

void EditableListBox::setSelected(int row, bool selected) {
    if (row >= 0 && row < rowCount())
        tree()->topLevelItem(row)->setSelected(selected);
}

int EditableListBox::selCount() const {
    return int(selectedRowsOf(*tree()).size());
}

void EditableListBox::editCell(int row, int column) {
    if (row < 0 || row >= rowCount() || !columnEditable(column))
        return;
    QTreeWidget* t = tree();
    QTreeWidgetItem* item = t->topLevelItem(row);
    t->scrollToItem(item);
    t->setCurrentItem(item, column, QItemSelectionModel::NoUpdate);
    t->editItem(item, column);
}

bool EditableListBox::isEditing() const {
    return static_cast<const ListTree*>(tree())->editing();
}

void EditableListBox::endEditing() {
    QTreeWidget* t = tree();
    if (!isEditing())
        return;
    if (QWidget* editor = t->indexWidget(t->currentIndex())) {
        QAbstractItemDelegate* delegate = t->itemDelegate();
        Q_EMIT delegate->commitData(editor);
        Q_EMIT delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void EditableListBox::pressHeader(int column) {
    if (column < 0 || column >= m_columns)
        return;
    endEditing();
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    QTreeWidget* t = tree();
    struct Row {
        QTreeWidgetItem* item;
        bool selected;
    };
    std::vector<Row> rows;
    while (t->topLevelItemCount() > 0) {
        const bool wasSelected = t->topLevelItem(0)->isSelected();
        rows.push_back({t->takeTopLevelItem(0), wasSelected});
    }
    const bool ascending = m_ascending;
    std::stable_sort(rows.begin(), rows.end(), [column, ascending](const Row& a, const Row& b) {
        const QString x = a.item->text(column), y = b.item->text(column);
        int order = x.compare(y, Qt::CaseInsensitive);
        if (order == 0)
            order = x.compare(y);
        return ascending ? order < 0 : order > 0;
    });
    for (const Row& row : rows) {
        t->addTopLevelItem(row.item);
        row.item->setSelected(row.selected);
    }
    t->header()->setSortIndicatorShown(true);
    t->header()->setSortIndicator(column, m_ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}
