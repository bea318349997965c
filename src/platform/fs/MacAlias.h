#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Where a Mac alias file points: a volume by name and a path below its root. The record
// formats are the Finder's: the alias record ("alis" resource, versions 2 and 3) and the
// bookmark data in the data fork of aliases made since Mac OS X 10.6. Every parser takes
// any bytes; whatever does not hold together gives no target.
struct MacAliasTarget {
    QString volumeName;
    QByteArray path; // names joined by "/", no leading "/"; empty for the volume root
};

namespace MacAlias {

std::optional<MacAliasTarget> fromAliasRecord(const QByteArray& record);
std::optional<MacAliasTarget> fromBookmark(const QByteArray& dataFork);
// The data of the first resource of that type in a resource fork.
std::optional<QByteArray> resource(const QByteArray& fork, const char (&type)[5]);

} // namespace MacAlias
