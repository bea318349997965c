#pragma once

#include <QString>

namespace globals {

// The index in the volume list of the volume whose reference number the decimal text
// gives; -1 when no mounted volume has it. Text that is no number reads as 0, which no
// volume has; a number followed by other text reads as its leading digits.
int vrefToVolNum(const QString& text);

} // namespace globals
