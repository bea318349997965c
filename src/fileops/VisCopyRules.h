#pragma once

#include "platform/fs/FolderItem.h"

#include <QString>
#include <vector>

// The settings of a visible copy as plain values, taken from the settings window when a
// copy starts, so that the copy can apply them away from the window (on the copy's own
// thread) and the same way to every item.
struct VisCopyRules {
    struct Exclusion {
        QString pattern;
        int mode = 0; // 0 the name equals the pattern, 1 begins with it, 2 ends with it
    };

    bool makeVisible = true;    // clear the invisible flag of every copy
    bool renameDotNames = true; // put the prefix before a leading dot
    QString prefix = QStringLiteral("_");
    bool exclude = true;
    std::vector<Exclusion> exclusions;

    // False when an exclusion matches the name: the item is not copied.
    bool copies(const QString& name) const;
    // The name the completion gives a copy of that name.
    QString visibleName(const QString& name) const;
    // Gives the copy its visible name (unless told to keep its name) and clears its
    // invisible flag, as the settings say.
    void complete(FolderItem& copy, bool keepName = false) const;
};
