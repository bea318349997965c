#pragma once

#include <QVariant>
#include <vector>

// The preferences store: whether the program starts in the state it was left in, and
// that state. The file is "Quillmark/Cloakswitch Prefs" in the user's preferences
// folder: carriage-return lines, the choice alone or the choice and fifteen values.
class PrefsCore {
public:
    static constexpr int kDataCount = 15;
    // Beyond this the file is not ours (or is damaged): it is left unread.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

    bool customOpen = false;
    // Indexes 0-7 booleans, 8-12 integers, 13 and 14 strings; empty until loaded or
    // filled by the main window.
    std::vector<QVariant> Data;

    // false when the file was written, true when it could not be.
    bool save();
    // false when the file was read and understood; true when it is missing, unreadable,
    // empty, damaged or incomplete, in which case Data keeps what it held.
    bool load();
};

namespace globals {
// The one preferences store of the program.
extern PrefsCore Prefs;
} // namespace globals
