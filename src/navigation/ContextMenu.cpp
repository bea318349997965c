#include "mainwindow/Window1.h"

#include "platform/gui/Application.h"
#include "platform/gui/GuiTypes.h"
#include "platform/gui/Services.h"

namespace {

// 0.3 s: a press held longer asks for the menu without waiting for the release.
constexpr uint64_t kLongPressTicks = 18;

// The text between the opening parenthesis (the first character) and the first ")".
QString entryLabel(const QString& entry)
{
    const qsizetype close = entry.indexOf(QLatin1Char(')'));
    return close < 1 ? QString() : entry.mid(1, close - 1);
}

} // namespace

// Called while a button is being pressed (the picture buttons act on the press).
bool Window1::isRequestedContextMenu()
{
    InputSource& input = Services::instance().input();
    const uint64_t start = input.ticks();
    while (input.mouseDown()) {
        if (input.ticks() - start > kLongPressTicks)
            return true;
        Application::doEvents();
    }
    return (input.modifiers() & kControlKey) != 0;
}

// One menu control serves several menus; contextJob says which one it holds.
void Window1::ContextualMenu1_Action(const QString& entry)
{
    if (contextJob == QLatin1String("jumpHistory")) {
        jumpHistory(entryLabel(entry));
        return;
    }
    if (contextJob == QLatin1String("trashProc")) {
        // Rows 1 to 4 stand for the modes 0, 2, 3 and 6; a row shown with "x" reads as 0.
        const int row = entryLabel(entry).toInt();
        if (row >= 1 && row <= 4)
            executeTrashBehavior(QStringLiteral("0236").at(row - 1).digitValue());
        return;
    }
    rowMenuAction(entry);
}
