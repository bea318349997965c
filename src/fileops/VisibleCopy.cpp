#include "mainwindow/Window1.h"

#include "fileops/VisCopyWindow.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/EditableListBox.h"
#include "platform/gui/TextField.h"

namespace {

// Names and patterns compare ignoring case, character by character; both in composed
// form, so that a pattern typed here matches a name that came decomposed from a Mac.
bool matchesPattern(const QString& name, const QString& pattern, int mode) {
    const QString n = name.normalized(QString::NormalizationForm_C);
    const QString p = pattern.normalized(QString::NormalizationForm_C);
    switch (mode) {
    case 0:
        return n.compare(p, Qt::CaseInsensitive) == 0;
    case 1:
        return n.startsWith(p, Qt::CaseInsensitive);
    case 2:
        return n.endsWith(p, Qt::CaseInsensitive);
    default:
        return false;
    }
}

} // namespace

VisCopyWindow& Window1::visCopyWindow() {
    if (!m_visCopyWindow)
        m_visCopyWindow = std::make_shared<VisCopyWindow>();
    return *m_visCopyWindow;
}

bool Window1::canVisCopy(const FolderItemPtr& item) {
    if (!item)
        return false;
    VisCopyWindow& settings = visCopyWindow();
    if (!settings.ExcludeCheck->value())
        return true;
    const EditableListBox& list = *settings.ExcludeList;
    const QString name = item->name();
    for (int row = 0; row < list.rowCount(); ++row) {
        const int mode = list.cell(row, VisCopyWindow::kModeColumn).toInt();
        if (matchesPattern(name, list.cell(row, VisCopyWindow::kPatternColumn), mode))
            return false;
    }
    return true;
}

// A prefixed name that is taken already is refused like any rename: the copy then keeps
// its dot name rather than replace the item that holds the name.
void Window1::completeVisCopy(const FolderItemPtr& copy) {
    if (!copy || !copy->exists())
        return;
    VisCopyWindow& settings = visCopyWindow();
    const QString name = copy->name();
    const QString prefix = settings.PrefixField->text();
    if (settings.DotCheck->value() && name.startsWith(QLatin1Char('.')) && !prefix.isEmpty())
        copy->rename(prefix + name);
    if (settings.InvisCheck->value())
        copy->setVisible(true);
}
