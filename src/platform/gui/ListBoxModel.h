#pragma once

#include "platform/gui/ListBoxRows.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

// The flat item model under the list box: nine columns over ListBoxRows, cell texts
// made by the program's formatter only when asked for.
//
// Rows reach Qt lazily. Appended rows are announced to the views in one insertion
// (when the event loop next runs, or before any other change); rows added while an
// expand handler runs are collected and spliced in below the expanding row in one
// insertion when it returns. count() and row() include both kinds at the positions
// they will take, so the program sees its rows where it put them; Qt's rowCount() only
// the announced ones.
class ListBoxModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 9;
    using Formatter = std::function<QString(const ListRow&, int column)>;

    explicit ListBoxModel(QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Program-side rows (see above). Out-of-range indexes give an empty row.
    int count() const;
    ListRow row(int index) const;
    const StoredRow& stored(int index) const; // without making the row's texts
    // The row's vref and path into `path`, reusing its buffer; false out of range.
    bool key(int index, int32_t& vref, QString& path) const;
    QString cellText(int row, int column) const;
    // Announced rows only, as Qt numbers them.
    ListRow shownRow(int index) const;
    const StoredRow& shownStored(int index) const;
    QString shownText(int row, int column) const;

    void setFormatter(Formatter formatter);
    void setHeadings(const QStringList& headings);
    void setAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment alignment(int column) const;

    void clear();
    void add(ListRow row);
    void setUnderline(int row, bool underline);
    // Marks the row expanded and starts collecting its children; false when the row
    // cannot be expanded (out of range, not a folder row, already expanded).
    bool beginExpand(int row);
    void endExpand();
    bool collapse(int row);
    void sortBy(int column, bool ascending);
    // Announces every collected row, so that row numbers agree with Qt's.
    void settle();

private:
    struct Expansion {
        uint32_t slot = ListBoxRows::kNoSlot; // the expanding row
        int insertAt = 0;                     // where the collected children go
        uint64_t generation = 0;              // of the rows when insertAt was found
        uint8_t childDepth = 0;
        bool dead = false;                    // the row was removed or collapsed
        std::vector<uint32_t> pending;        // stored slots of the collected children
    };

    void publish();
    void schedulePublish();
    void commitPending();
    bool locate(Expansion& expansion) const;
    void rowChanged(int row);

    ListBoxRows m_rows;
    int m_published = 0;
    bool m_publishScheduled = false;
    std::vector<Expansion> m_expansions;
    Formatter m_formatter;
    QStringList m_headings;
    std::array<Qt::Alignment, kColumns> m_alignment{};
};
