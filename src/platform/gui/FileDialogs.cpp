#include "platform/gui/FileDialogs.h"

#include "platform/gui/ModalWindow.h"
#include "platform/gui/Services.h"
#include "platform/gui/Window.h"

#include <QFile>
#include <QFileDialog>

namespace FileDialogs {

namespace {

FolderItemPtr choose(ModalRecord::Kind kind, const QString& prompt, const FolderItemPtr& start,
                     const QString& title = {}) {
    if (ModalResponder* responder = Services::instance().modalResponder()) {
        Window* owner = Window::lastActive();
        if (title.isEmpty())
            responder->records.push_back({kind, prompt, {}});
        else
            responder->records.push_back({kind, title, {prompt}});
        const std::optional<QString> answer = responder->next();
        ModalWindow::reactivate(owner);
        if (!answer || answer->isEmpty())
            return {};
        return FolderItem::fromPosixPath(QFile::encodeName(*answer));
    }
    Window* owner = Window::lastActive();
    QWidget* parent = owner ? owner->topWidget() : nullptr;
    const QString dir = start ? QFile::decodeName(start->posixPath()) : QString();
    QString path;
    if (kind == ModalRecord::Kind::SelectFolder && !title.isEmpty()) {
        QFileDialog dialog(parent, title, dir);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setLabelText(QFileDialog::LookIn, prompt);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    } else {
        path = kind == ModalRecord::Kind::SelectFolder
                   ? QFileDialog::getExistingDirectory(parent, prompt, dir)
                   : QFileDialog::getOpenFileName(parent, prompt, dir);
    }
    ModalWindow::reactivate(owner);
    if (path.isEmpty())
        return {};
    return FolderItem::fromPosixPath(QFile::encodeName(path));
}

} // namespace

FolderItemPtr selectFolder(const QString& prompt, const FolderItemPtr& start,
                           const QString& title) {
    return choose(ModalRecord::Kind::SelectFolder, prompt, start, title);
}

FolderItemPtr getOpenFile(const QString& prompt, const FolderItemPtr& start) {
    return choose(ModalRecord::Kind::OpenFile, prompt, start);
}

} // namespace FileDialogs
