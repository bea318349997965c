#include "InfoCommand.h"

#include "InfoLine.h"
#include "platform/fs/FolderItem.h"

#include <vector>

namespace {

bool applyChanges(const InfoOptions& options, FolderItem& item)
{
    using V = InfoOptions::Visibility;
    bool ok = true;
    if (options.visibility != V::Keep) {
        const bool visible = options.visibility == V::Flip ? !item.visible()
                                                           : options.visibility == V::Show;
        ok = item.setVisible(visible).ok() && ok;
    }
    if (options.creator)
        ok = item.setCreatorCode(*options.creator).ok() && ok;
    if (options.type)
        ok = item.setTypeCode(*options.type).ok() && ok;
    return ok;
}

void report(FILE* err, const QByteArray& path, const char* what)
{
    std::fprintf(err, "%s: %s\n", path.constData(), what);
}

} // namespace

int runInfoCommand(const InfoOptions& options, FILE* out, FILE* err)
{
    int status = 0;
    std::vector<FolderItemPtr> found;
    for (const QByteArray& path : options.paths) {
        const FolderItemPtr item = FolderItem::fromPosixPath(path);
        if (!item || !item->exists()) {
            report(err, path, "no such item");
            status = 1;
            continue;
        }
        if (!applyChanges(options, *item)) {
            report(err, path, "refused");
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
