#pragma once

#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "support/TestVolumes.h"

#include <sys/stat.h>

// A main window listing a folder of the test volume "HD", with a modal responder that
// answers (and records) the dialogs.
class Editing : public TestVolumes {
protected:
    void SetUp() override
    {
        TestVolumes::SetUp();
        Services::instance().setModalResponder(&m_responder);
        m_window = std::make_unique<Window1>(nullptr);
    }
    void TearDown() override
    {
        m_window.reset();
        Services::instance().setModalResponder(nullptr);
        TestVolumes::TearDown();
    }

    Window1& w() { return *m_window; }
    ListBox& list() { return *m_window->FileListBox; }

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
    void select(const QStringList& names)
    {
        list().deselectAll();
        for (const QString& name : names) {
            const int row = rowNamed(name);
            ASSERT_GE(row, 0) << name.toStdString();
            list().setSelected(row, true);
        }
    }
    bool exists(const QByteArray& relative) const
    {
        struct stat st;
        return ::lstat((m_hd + "/" + relative).constData(), &st) == 0;
    }

    ModalResponder m_responder;
    std::unique_ptr<Window1> m_window;
};
