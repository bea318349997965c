#pragma once

#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/Services.h"
#include "support/ScopedHome.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QFile>
#include <memory>
#include <sys/stat.h>

// The main window listing a private home folder on "HD" (hd/home), whose trash is
// hd/home/.local/share/Trash: the real user's trash is never touched. Writing is on.
class TrashWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_home = m_tmp.folder("hd/home");
        m_scopedHome = std::make_unique<ScopedHome>(m_home);
        m_trash = m_home + "/.local/share/Trash";
    }
    void TearDown() override {
        m_scopedHome.reset();
        WindowTest::TearDown();
    }

    void listHome() { listFolder("home"); }
    void setWriting(bool on) { w().CopyCheckBox->setValue(on); }
    void setReport(bool on) { w().WithReport->setValue(on); }

    // Selects the rows of these names and saves the list state, as the pointer leaving
    // the list does.
    void selectNames(const QStringList& names) {
        list().deselectAll();
        std::vector<int> rows;
        for (const QString& name : names) {
            const int row = rowNamed(name);
            ASSERT_GE(row, 0) << name.toStdString();
            rows.push_back(row);
        }
        std::sort(rows.begin(), rows.end());
        list().selectRows(rows);
        w().saveListState();
    }

    // A click on the trash button with these keys (Mac bits) held.
    void clickTrash(int modifiers) {
        m_input.mods = modifiers;
        w().TrashButton->setValue(true);
        w().TrashButton->MouseDown(1, 1);
        m_input.mods = 0;
    }

    static bool present(const QByteArray& path) {
        struct stat st;
        return ::lstat(path.constData(), &st) == 0;
    }
    static QStringList entries(const QByteArray& folder) {
        return QDir(QFile::decodeName(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }
    QStringList trashFiles() const { return entries(m_trash + "/files"); }
    QStringList trashInfo() const { return entries(m_trash + "/info"); }
    QByteArray pathLine(const QString& name) const {
        QFile f(QFile::decodeName(m_trash + "/info/") + name + QStringLiteral(".trashinfo"));
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("Path="))
                return line;
        return "<no Path line>";
    }

    // The last dialog's title, list and question (texts 1 and 2 of DelCheckWindow).
    struct Shown {
        QString title, contents, question;
    };
    Shown lastDialog() const {
        for (auto it = m_responder.records.rbegin(); it != m_responder.records.rend(); ++it)
            if (it->kind == ModalRecord::Kind::Window && it->texts.size() >= 3)
                return {it->title, it->texts[1], it->texts[2]};
        return {};
    }
    size_t dialogs() const {
        return size_t(std::count_if(
            m_responder.records.begin(), m_responder.records.end(),
            [](const ModalRecord& r) { return r.kind == ModalRecord::Kind::Window; }));
    }

    QByteArray m_home;
    QByteArray m_trash;
    std::unique_ptr<ScopedHome> m_scopedHome;
};
