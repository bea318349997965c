#pragma once

#include <QString>

namespace fileitems {

// Splits a name at its last dot. base is always filled; ext only when the name has a dot,
// and it keeps its old value otherwise. A leading dot (".cshrc") and the AppleDouble
// prefix ("._.x") do not make an extension. True when the name has an extension, which
// may be empty ("a.").
bool splitFname(const QString& name, QString& base, QString& ext);

// Whether the name's extension is ext, compared without regard to case.
bool hasExtension(const QString& name, const QString& ext);

} // namespace fileitems
