#pragma once

#include "platform/Result.h"
#include "platform/fs/AppleDoubleAttributes.h"

#include <QByteArray>
#include <sys/stat.h>
#include <vector>

class CopyProgress;

// The pieces the copy engine puts an item together from, each acting on open files or
// on names relative to open folders, so that a tree is walked without path lookups.
namespace CopyParts {

// Data from one open file to another, both at offset 0; stops with ECANCELED.
Status copyData(int from, int to, CopyProgress& progress);

// Copies every user attribute (and the hfsplus Finder information, as the user one)
// from one open item to another. Those the destination cannot hold come back, named
// as macOS names them, for the companion.
Result<std::vector<NamedAttribute>> copyAttributes(int from, int to);

// The copy's "._NAME": the source's companion as it is, or, when attributes are left
// over, a companion that carries them too. Nothing is made when there is nothing to
// carry.
Status copyCompanion(int sourceFolder, const QByteArray& sourceName, int targetFolder,
                     const QByteArray& targetName, const std::vector<NamedAttribute>& leftover);

// Owner (where allowed), mode and dates of an open copy, in that order, since a change
// of owner clears set-id bits and a mode without write permission blocks attributes.
Status finishOpen(int fd, const struct stat& source, bool withDates = true);

bool isCompanionName(const QByteArray& name);
bool modesUnsupported(int code);

} // namespace CopyParts
