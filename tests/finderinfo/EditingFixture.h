#pragma once

#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "support/WindowTest.h"

#include <sys/stat.h>

// The main window with the rename and creator/type dialogs' helpers.
class Editing : public WindowTest {
protected:
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
};
