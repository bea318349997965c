#include "mainwindow/Window1.h"

#include "fileitems/Paths.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Timer.h"
#include "prefs/PrefsCore.h"
#include "prefs/PrefsWindow.h"

#include <algorithm>

namespace {

constexpr int kDefaultTextSize = 12;
constexpr int kMinTextSize = 8;
constexpr int kMaxTextSize = 32;
// The main window's own limits: a damaged size must not lay the controls out for a
// window the window system will not make.
constexpr int kMinWidth = 620;
constexpr int kMinHeight = 300;
constexpr int kMaxSide = 32000;

enum DataIndex { kLeft = 8, kTop, kWidth, kHeight, kTextSize, kColumnWidths, kBaseFolder };

} // namespace

std::vector<CheckBox*> Window1::prefsCheckBoxes() const
{
    return {DispVisibles.get(),    DispInvises.get(), DispDots.get(),     ExpandAliases.get(),
            TypeChangeCheck.get(), WithReport.get(),  CopyCheckBox.get(), ExternalDragCheckBox.get()};
}

void Window1::savePrefs()
{
    PrefsCore& prefs = globals::Prefs;
    if (prefs.customOpen) {
        prefs.Data.clear();
        for (CheckBox* box : prefsCheckBoxes())
            prefs.Data.emplace_back(box->value());
        const QRect frame = frameBounds();
        for (int value : {frame.left(), frame.top(), frame.width(), frame.height(),
                          FileListBox->textSize()})
            prefs.Data.emplace_back(value);
        prefs.Data.emplace_back(FileListBox->columnWidths());
        const bool listed = curBase >= 0 && size_t(curBase) < baseFolder.size() &&
                            baseFolder[size_t(curBase)];
        prefs.Data.emplace_back(listed ? baseFolder[size_t(curBase)]->absolutePath() : QString());
    }
    if (prefs.save())
        MessageBox::note(QStringLiteral("環境設定ファイルを保存できませんでした。"));
}

void Window1::loadPrefs()
{
    PrefsCore& prefs = globals::Prefs;
    if (prefs.load() || !prefs.customOpen || prefs.Data.size() < size_t(PrefsCore::kDataCount))
        return;
    const std::vector<CheckBox*> boxes = prefsCheckBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setValue(prefs.Data[i].toBool());

    auto number = [&prefs](int index) { return prefs.Data[size_t(index)].toInt(); };
    setFrameBounds(QRect(number(kLeft), number(kTop),
                         std::clamp(number(kWidth), kMinWidth, kMaxSide),
                         std::clamp(number(kHeight), kMinHeight, kMaxSide)));
    int size = number(kTextSize);
    if (size < kMinTextSize || size > kMaxTextSize)
        size = kDefaultTextSize;
    applyTextSize(size);
    FileListBox->setColumnWidths(prefs.Data[kColumnWidths].toString());

    FolderItemPtr folder = FolderItem::fromAbsolutePath(prefs.Data[kBaseFolder].toString());
    const FolderItemPtr current = curBase >= 0 && size_t(curBase) < baseFolder.size()
                                      ? baseFolder[size_t(curBase)]
                                      : nullptr;
    // Only a folder can be listed; a path that now names a file stays unused.
    if (folder && folder->exists() && folder->isFolder() &&
        !fileitems::compareFolderItems(folder, current)) {
        if (current)
            saveListState();
        ResetFileListBox(folder, true);
    }
}

void Window1::Timer6_Action()
{
    if (!firstOpen)
        return;
    firstOpen = false;
    loadPrefs();
}

void Window1::showPrefsWindow()
{
    if (!m_prefsWindow)
        m_prefsWindow = std::make_shared<PrefsWindow>();
    m_prefsWindow->run();
    savePrefs();
}

void Window1::AppPrefs_Action()
{
    showPrefsWindow();
}

void Window1::PrefsButton_Action()
{
    showPrefsWindow();
}
