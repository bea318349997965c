#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"

#include <QHash>
#include <algorithm>
#include <unordered_map>

namespace {

// Option + A: "å" on a Mac layout, and the platform gives the same for Alt + A.
constexpr char16_t kOptionA = 0x00E5;
constexpr char16_t kDeleteKey = 8; // Backspace and Delete alike

bool isKey(const QString& key, char letter) {
    return key.compare(QString(QLatin1Char(letter)), Qt::CaseInsensitive) == 0;
}

struct RowKey {
    int vref;
    QString path;
    bool operator==(const RowKey&) const = default;
};

struct RowKeyHash {
    size_t operator()(const RowKey& k) const noexcept { return qHash(k.path, size_t(k.vref)); }
};

} // namespace

// Every key saves the list state first: that is how the file operations learn the
// selection. The key always goes on to the list as well.
bool Window1::KeyDown(const QString& key, int modifiers) {
    saveListState();
    if (key.isEmpty())
        return false;
    const bool command = modifiers & kCommandKey;
    const bool shift = modifiers & kShiftKey;
    const bool option = modifiers & kOptionKey;

    if (key.at(0) == QChar(kOptionA)) {
        selectAllInTheFolder();
        return false;
    }
    if (isKey(key, 'a') && command) {
        if (shift) {
            FileListBox->deselectAll();
            return false;
        }
        std::vector<int> rows(size_t(FileListBox->rowCount()));
        for (size_t row = 0; row < rows.size(); ++row)
            rows[row] = int(row);
        FileListBox->selectRows(rows);
        return false;
    }
    if (isKey(key, 'r') && command && !shift && JumpEntityButton->enabled())
        JumpEntityButton->push();
    if (!CopyCheckBox->value())
        return false;
    // The buttons are pressed as a plain click would press them, so that the duplicate
    // command cannot take the held Command key for its alias mode.
    if (isKey(key, 'd') && command) {
        if (!shift && !option)
            InvisDupButton->push();
    } else if (isKey(key, 'n') && command && shift) {
        if (!option && FileListBox->selCount() <= 1)
            NewFolderButton->push();
    } else if (key.at(0) == QChar(kDeleteKey) && command && !option) {
        executeTrashBehavior(shift ? 3 : 2);
    }
    return false;
}

// Adds to the selection every listed item that shares a folder with a selected one.
void Window1::selectAllInTheFolder() {
    const int n = FileListBox->rowCount();
    std::vector<FolderItemPtr> folders;
    for (int row : FileListBox->selectedRows()) {
        const FolderItemPtr item = getRowFolderItem(row, true);
        // A row whose volume is gone has no folder to give.
        const FolderItemPtr parent = item ? item->parent() : nullptr;
        if (!parent)
            continue;
        const bool known = std::any_of(folders.begin(), folders.end(), [&](const FolderItemPtr& f) {
            return fileitems::compareFolderItems(f, parent);
        });
        if (!known)
            folders.push_back(parent);
    }
    if (folders.empty())
        return;

    // The rows by key, once: each item of the folders is then found without walking
    // every row for it.
    std::unordered_multimap<RowKey, int, RowKeyHash> rowsByKey;
    for (int row = 0; row < n; ++row) {
        const ListRow& r = FileListBox->row(row);
        rowsByKey.emplace(RowKey{r.vref, r.path}, row);
    }
    std::vector<int> rows;
    for (const FolderItemPtr& folder : folders) {
        for (int i = 1, count = folder->count(); i <= count; ++i) {
            const FolderItemPtr item = folder->item(i);
            if (!item)
                continue;
            const auto [first, last] =
                rowsByKey.equal_range(RowKey{item->volumeRef(), fileitems::makePath(item)});
            for (auto it = first; it != last; ++it)
                rows.push_back(it->second);
        }
    }
    if (!rows.empty()) {
        std::sort(rows.begin(), rows.end());
        FileListBox->selectRows(rows);
    }
}
