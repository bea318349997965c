#pragma once

#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

// The main window over the test volumes, writing switched on, with helpers to look at
// what the file operations left on disk.
class FileOps : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        w().CopyCheckBox->setValue(true);
        w().WithReport->setValue(false);
    }
    bool exists(const QByteArray& path) const {
        struct stat st;
        return ::lstat(path.constData(), &st) == 0;
    }
    QByteArray content(const QByteArray& path) const {
        QFile f(QString::fromUtf8(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    QStringList namesIn(const QByteArray& folder) const {
        QStringList names =
            QDir(QString::fromUtf8(folder))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }
    // Lists the volume root and selects the named rows, as the user would.
    void selectAtRoot(const QStringList& names) {
        listFolder({});
        QStringList paths;
        for (const QString& n : names)
            paths << ":" + n;
        selectPaths(paths);
    }
    std::vector<ModalRecord::Kind> kinds() const {
        std::vector<ModalRecord::Kind> out;
        for (const auto& r : m_responder.records)
            out.push_back(r.kind);
        return out;
    }
};
