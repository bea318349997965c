#include "mainwindow/Window1.h"

#include "fileops/VisCopyRules.h"
#include "fileops/VisCopyWindow.h"
#include "platform/fs/CopyEngine.h"
#include "platform/fs/NameCodec.h"
#include "platform/gui/CopyRunner.h"

namespace {

// An application package: copied whole, nothing inside it is left out or renamed.
bool isApplicationName(const QString& name) {
    return name.endsWith(QLatin1String(".app"), Qt::CaseInsensitive);
}

QString lastName(const QByteArray& path) {
    return NameCodec::fromBytes(path.mid(path.lastIndexOf('/') + 1));
}

// True for an entry below an application package of the copied tree (not for the
// package itself).
bool insidePackage(const QByteArray& path, const QByteArray& root) {
    const QList<QByteArray> folders = path.mid(root.size() + 1).split('/');
    for (qsizetype i = 0; i + 1 < folders.size(); ++i) {
        if (isApplicationName(NameCodec::fromBytes(folders[i])))
            return true;
    }
    return false;
}

// ".x" beside "_.x": the sibling is copied under that name in its turn, so ".x" keeps its
// own, as when a rename is refused. Taking the name would make the sibling's copy fail,
// and with it the whole tree.
bool siblingHoldsVisibleName(const QByteArray& path, const VisCopyRules& rules) {
    const QString name = lastName(path);
    const QString visible = rules.visibleName(name);
    if (visible == name)
        return false;
    const QByteArray sibling = path.left(path.lastIndexOf('/') + 1) + NameCodec::toBytes(visible);
    const FolderItemPtr item = FolderItem::fromPosixPath(sibling);
    return item && item->exists();
}

} // namespace

VisCopyWindow& Window1::visCopyWindow() {
    if (!m_visCopyWindow)
        m_visCopyWindow = std::make_shared<VisCopyWindow>();
    return *m_visCopyWindow;
}

bool Window1::canVisCopy(const FolderItemPtr& item) {
    return item && visCopyWindow().rules().copies(item->name());
}

void Window1::completeVisCopy(const FolderItemPtr& copy) {
    if (copy)
        visCopyWindow().rules().complete(*copy);
}

QString Window1::visCopyName(const FolderItemPtr& item) {
    return isVisCopy ? visCopyWindow().rules().visibleName(item->name()) : item->name();
}

// One walk of the engine makes the whole copy: each folder made anew and filled entry by
// entry, excluded entries left out, each entry completed once it is whole, and each
// folder given the source's invisible flag and dates after its contents. The tree is
// made under a temporary name and put in place only when complete, so a half-made or
// cancelled copy never shows. The rules are taken once, as they stand now: the walk
// runs on the copy's own thread, away from the window.
bool Window1::visibleCopy(const FolderItemPtr& item, const FolderItemPtr& folder,
                          const QString& name, bool replacing) {
    if (!item || !folder)
        return false;
    const VisCopyRules rules = visCopyWindow().rules();
    const QByteArray source = item->posixPath(), target = folder->posixPath();
    const QByteArray copyName = NameCodec::toBytes(name);
    const bool whole = isApplicationName(item->name());
    const Status copied = CopyRunner::run({source}, [&](CopyEngine& engine) {
        if (!whole) {
            engine.acceptEntry = [&](const QByteArray& path) {
                return insidePackage(path, source) || rules.copies(lastName(path));
            };
            engine.entryCopied = [&](const QByteArray& path, const QByteArray& copyPath) {
                if (insidePackage(path, source))
                    return;
                if (const FolderItemPtr copy = FolderItem::fromPosixPath(copyPath))
                    rules.complete(*copy, siblingHoldsVisibleName(path, rules));
            };
        }
        return replacing ? engine.copyReplacing(source, target, copyName)
                         : engine.copyInto(source, target, copyName);
    });
    const FolderItemPtr copy = folder->trueChild(name);
    if (!copied || !copy || !copy->exists())
        return false;
    // The copy was made under its completed name; what completing it leaves is its
    // visibility.
    if (rules.makeVisible)
        copy->setVisible(true);
    return true;
}
