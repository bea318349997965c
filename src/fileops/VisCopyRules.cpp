#include "fileops/VisCopyRules.h"

namespace {

// Names and patterns compare ignoring case, character by character; both in composed
// form, so that a pattern typed here matches a name that came decomposed from a Mac.
bool matches(const QString& name, const VisCopyRules::Exclusion& exclusion) {
    const QString n = name.normalized(QString::NormalizationForm_C);
    const QString p = exclusion.pattern.normalized(QString::NormalizationForm_C);
    switch (exclusion.mode) {
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

bool VisCopyRules::copies(const QString& name) const {
    if (!exclude)
        return true;
    for (const Exclusion& exclusion : exclusions) {
        if (matches(name, exclusion))
            return false;
    }
    return true;
}

QString VisCopyRules::visibleName(const QString& name) const {
    if (renameDotNames && name.startsWith(QLatin1Char('.')))
        return prefix + name;
    return name;
}

// A visible name that is taken already is refused like any rename: the copy then keeps
// its dot name rather than replace the item that holds the name.
void VisCopyRules::complete(FolderItem& copy, bool keepName) const {
    if (!copy.exists())
        return;
    if (const QString name = copy.name(), visible = visibleName(name); !keepName && visible != name)
        copy.rename(visible);
    if (makeVisible)
        copy.setVisible(true);
}
