#pragma once

#include "fileitems/Paths.h"
#include "mainwindow/Window1.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Services.h"
#include "support/WindowTest.h"

#include <memory>

// A main window over the test volumes "HD" (11) and "Other" (22), with a modal
// responder that answers and records message boxes and contextual menus, and a
// scripted input (no button held, no modifiers) unless a test installs its own.
class Navigation : public WindowTest {
protected:
    // Lists a folder of HD as a new position, as a move through the pop-ups does.
    void go(const QByteArray& relative)
    {
        m_tmp.folder("hd/" + relative);
        w().ResetFileListBox(hd(relative), true);
    }
    // The first listing, as the window's opening makes it.
    void start(const QByteArray& relative = {})
    {
        if (!relative.isEmpty())
            m_tmp.folder("hd/" + relative);
        w().curBase = -1;
        w().ResetFileListBox(hd(relative), true);
    }
    FolderItemPtr base() { return w().baseFolder.at(size_t(w().curBase)); }
    QString basePath() { return fileitems::makePath(base()); }
    QStringList positionPaths()
    {
        QStringList out;
        for (const FolderItemPtr& folder : w().baseFolder)
            out << fileitems::makePath(folder);
        return out;
    }
    static QStringList rows(const PopupMenu& popup)
    {
        QStringList out;
        for (int i = 0; i < popup.listCount(); ++i)
            out << popup.list(i);
        return out;
    }
    // What the last contextual menu offered; empty when none was shown.
    QStringList lastMenu() const
    {
        for (auto it = m_responder.records.rbegin(); it != m_responder.records.rend(); ++it)
            if (it->kind == ModalRecord::Kind::ContextualMenu)
                return it->texts;
        return {};
    }
    int menusShown() const
    {
        int n = 0;
        for (const ModalRecord& r : m_responder.records)
            n += r.kind == ModalRecord::Kind::ContextualMenu;
        return n;
    }
    // A Control-click (Meta, or the right button) on a picture button.
    void contextClick(PictButtonClass& button)
    {
        m_input.mods = kControlKey;
        button.MouseDown(1, 1);
        m_input.mods = 0;
    }
};
