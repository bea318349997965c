#pragma once

#include "platform/Result.h"

#include <QByteArray>

namespace DeleteTree {

// Removes the item at path and, for a folder, everything inside it. Links are removed as
// links, never followed, and no mount point below is left through. On failure it goes
// on with the rest and reports the first refusal.
Status remove(const QByteArray& path);

} // namespace DeleteTree
