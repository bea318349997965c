#pragma once

#include "mainwindow/Window1.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Services.h"
#include "support/TestVolumes.h"

#include <memory>

// A main window over the test volumes "HD" and "Other", with a modal responder that
// answers (and records) dialogs, message boxes and menus, and a scripted input (no
// keys, no button) that tests may change.
class WindowTest : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        Services::instance().setModalResponder(&m_responder);
        Services::instance().setInput(&m_input);
        m_window = std::make_unique<Window1>(nullptr);
    }
    void TearDown() override
    {
        m_window.reset();
        Services::instance().setInput(nullptr);
        Services::instance().setModalResponder(nullptr);
        TestVolumes::TearDown();
    }

    Window1& w() { return *m_window; }
    ListBox& list() { return *m_window->FileListBox; }

    // The first listing, as the window's opening makes it: position 0.
    void listFolder(const QByteArray& relative)
    {
        w().curBase = -1;
        w().ResetFileListBox(hd(relative), true);
    }
    int rowNamed(const QString& name)
    {
        for (int row = 0; row < list().rowCount(); ++row)
            if (list().row(row).name == name)
                return row;
        return -1;
    }
    int rowOf(const QString& path)
    {
        for (int row = 0; row < list().rowCount(); ++row)
            if (list().row(row).path == path)
                return row;
        return -1;
    }
    QStringList names()
    {
        QStringList out;
        for (int row = 0; row < list().rowCount(); ++row)
            out << list().row(row).name;
        return out;
    }
    QStringList paths()
    {
        QStringList out;
        for (int row = 0; row < list().rowCount(); ++row)
            out << list().row(row).path;
        return out;
    }
    QStringList selectedPaths()
    {
        QStringList out;
        for (int row : list().selectedRows())
            out << list().row(row).path;
        return out;
    }
    // Selects the rows of these paths and saves the list state, as the pointer leaving
    // the list does.
    void selectPaths(const QStringList& selected)
    {
        std::vector<int> rows;
        for (const QString& p : selected)
            rows.push_back(rowOf(p));
        std::sort(rows.begin(), rows.end());
        list().deselectAll();
        list().selectRows(rows);
        w().saveListState();
    }

    ModalResponder m_responder;
    ScriptedInput m_input;
    std::unique_ptr<Window1> m_window;
};
