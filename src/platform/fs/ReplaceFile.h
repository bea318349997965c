#pragma once

#include "platform/Result.h"

#include <QByteArray>

// Replaces a file's whole content without a moment in which it is half written: the new
// bytes go to a temporary file beside it, which takes over the old file's mode, owner
// (where permitted) and user attributes and is then renamed over it. The temporary name
// is short, so that it fits beside a name of any allowed length.
namespace ReplaceFile {

struct Options {
    bool sync = false;          // flush the new file to the disk before the rename
    bool requireRegular = true; // refuse when the old file is not a regular file
};

// The file at path need not exist (then the new one gets the usual mode); path must not
// be a link, which callers resolve first.
Status write(const QByteArray& path, const QByteArray& bytes, const Options& options);

} // namespace ReplaceFile
