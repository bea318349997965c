#include "InfoCommand.h"

#include "InfoLine.h"
#include "platform/fs/ErrorText.h"
#include "platform/fs/FolderItem.h"

#include <cerrno>

#include <vector>

namespace {

void keepFirst(Status& first, const Status& next)
{
    if (first.ok() && !next.ok())
        first = next;
}

// Every requested change is tried; the first refusal is the one reported.
Status applyChanges(const InfoOptions& options, FolderItem& item)
{
    using V = InfoOptions::Visibility;
    Status result = success();
    if (options.visibility != V::Keep) {
        const bool visible = options.visibility == V::Flip ? !item.visible()
                                                           : options.visibility == V::Show;
        keepFirst(result, item.setVisible(visible));
    }
    if (options.creator)
        keepFirst(result, item.setCreatorCode(*options.creator));
    if (options.type)
        keepFirst(result, item.setTypeCode(*options.type));
    return result;
}

void report(FILE* err, const QByteArray& path, const QByteArray& what)
{
    std::fprintf(err, "%s: %s\n", path.constData(), what.constData());
}

} // namespace

int runInfoCommand(const InfoOptions& options, FILE* out, FILE* err)
{
    int status = 0;
    std::vector<FolderItemPtr> found;
    for (const QByteArray& path : options.paths) {
        const FolderItemPtr item = FolderItem::fromPosixPath(path);
        const Status present = item ? item->checkExists() : Status::fail("lstat", ENOENT);
        if (!present) {
            report(err, path, ErrorText::reason(present.error()));
            status = 1;
            continue;
        }
        if (const Status changed = applyChanges(options, *item); !changed) {
            report(err, path, ErrorText::reason(changed.error()));
            status = 1;
        }
        item->refresh();
        found.push_back(item);
    }
    for (const FolderItemPtr& item : found) {
        const QByteArray line = infoLine(item) + '\n';
        std::fwrite(line.constData(), 1, line.size(), out);
    }
    return status;
}
