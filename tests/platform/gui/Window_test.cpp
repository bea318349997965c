#include "platform/gui/Application.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A window that records how it was asked to close.
struct ClosingWindow : Window {
    std::vector<bool> asked; // onCancelClose arguments
    int closes = 0;
    bool keep = false;
    ClosingWindow()
    {
        setSize(620, 450);
        onCancelClose = [this](bool quitting) {
            asked.push_back(quitting);
            return keep;
        };
        onClose = [this] { ++closes; };
    }
};

bool sendWindowManagerClose(Window& w)
{
    QCloseEvent e; // what the close box delivers
    QApplication::sendEvent(w.topWidget(), &e);
    return e.isAccepted();
}

TEST(WindowQuit, CloseBoxAsksAndCanBeCancelled)
{
    ClosingWindow w;
    w.keep = true;
    EXPECT_FALSE(sendWindowManagerClose(w));
    EXPECT_EQ(w.asked, std::vector<bool>{false});
    EXPECT_EQ(w.closes, 0);
    EXPECT_FALSE(w.isClosed());

    w.keep = false;
    EXPECT_TRUE(sendWindowManagerClose(w));
    EXPECT_EQ(w.closes, 1);
    EXPECT_TRUE(w.isClosed());
    sendWindowManagerClose(w);
    EXPECT_TRUE(w.closeForQuit());
    EXPECT_EQ(w.closes, 1) << "onClose runs exactly once";
}

TEST(WindowQuit, QuitItemClosesWithoutTheQuestion)
{
    MenuBar bar;
    Menu* file = bar.addMenu("ファイル");
    MenuItem* quitItem = bar.addQuitItem(file, "FileQuit", "終了");
    EXPECT_EQ(quitItem->action()->shortcut(), QKeySequence("Ctrl+Q"));

    ClosingWindow w;
    w.setMenuBar(&bar);
    quitItem->trigger();
    EXPECT_EQ(w.asked, std::vector<bool>{true});
    EXPECT_EQ(w.closes, 1);
    EXPECT_TRUE(Application::quitting());
}

TEST(WindowQuit, QuitFromInsideTheCloseQuestionClosesOnce)
{
    // The program answers the close box by asking the platform to quit.
    ClosingWindow w;
    w.onCancelClose = [&](bool quitting) {
        w.asked.push_back(quitting);
        if (!quitting)
            Application::quit();
        return false;
    };
    EXPECT_TRUE(sendWindowManagerClose(w));
    EXPECT_EQ(w.asked, std::vector<bool>{false});
    EXPECT_EQ(w.closes, 1);
}

TEST(WindowQuit, AWindowThatRefusesToQuitStaysOpen)
{
    ClosingWindow w;
    w.keep = true;
    EXPECT_FALSE(w.closeForQuit());
    EXPECT_EQ(w.asked, std::vector<bool>{true});
    EXPECT_EQ(w.closes, 0);
}

TEST(WindowMouse, MoveReportsOnlyTheWindowsOwnBackground)
{
    Window w;
    w.setSize(620, 450);
    PushButton button(w, 10, 387, 50, 23, "複製");
    RectangleShape box(w, 60, 5, 405, 30);
    StaticText inside(w, 414, 15, 50, 16, "00000項目", &box);
    std::vector<QPoint> moves;
    w.onMouseMove = [&](int x, int y) { moves.emplace_back(x, y); };

    auto moveTo = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, w.surface()->mapToGlobal(p), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.surface(), &e);
    };
    moveTo({300, 200});
    moveTo({20, 395});  // over the button
    moveTo({420, 20});  // over the text inside the box
    moveTo({100, 20});  // over the box
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], QPoint(300, 200));

    QMouseEvent overButton(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button.widget(), &overButton);
    EXPECT_EQ(moves.size(), 1u);
}

TEST(WindowResize, ControlsFollowTheirAnchors)
{
    Window w;
    w.setSize(620, 450);
    w.setMinimumSize(620, 300);
    PushButton list(w, 10, 40, 600, 340);
    list.setAnchors(kAnchorAll);
    PushButton bottomLeft(w, 10, 387, 50, 23);
    bottomLeft.setAnchors(kAnchorLeft | kAnchorBottom);
    PushButton topRight(w, 539, 5, 50, 29);
    topRight.setAnchors(kAnchorRight | kAnchorTop);
    RectangleShape group(w, 10, 419, 405, 24);
    group.setAnchors(kAnchorLeft | kAnchorBottom);
    StaticText child(w, 62, 425, 50, 14, "不可視", &group);
    child.setAnchors(kAnchorLeft | kAnchorBottom);

    w.setSize(720, 550);
    EXPECT_EQ(list.bounds(), QRect(10, 40, 700, 440));
    EXPECT_EQ(bottomLeft.bounds(), QRect(10, 487, 50, 23));
    EXPECT_EQ(topRight.bounds(), QRect(639, 5, 50, 29));
    EXPECT_EQ(child.bounds(), QRect(62, 525, 50, 14));
    EXPECT_EQ(child.widget()->geometry(), QRect(52, 6, 50, 14)) << "shown inside its parent";

    w.setSize(620, 450);
    EXPECT_EQ(list.bounds(), QRect(10, 40, 600, 340)) << "back to the designed place";
    EXPECT_EQ(topRight.bounds(), QRect(539, 5, 50, 29));
}

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    QString text;
    QString expectKey;
    int expectMods;
};

TEST(WindowKeys, KeysArriveAsMacCharactersWithMacModifiers)
{
    Window w;
    w.setSize(620, 450);
    PushButton focused(w, 10, 10, 50, 23, "x");
    focused.widget()->setFocus();
    QString gotKey;
    int gotMods = -1;
    w.onKeyDown = [&](const QString& key, int mods) {
        gotKey = key;
        gotMods = mods;
        return true;
    };
    const KeyCase cases[] = {
        {Qt::Key_A, Qt::ControlModifier, QString(QChar(1)), "a", kCommandKey},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(1)), "a",
         kCommandKey | kShiftKey},
        {Qt::Key_A, Qt::AltModifier, "a", QString(QChar(0xE5)), kOptionKey},
        {Qt::Key_Backspace, Qt::ControlModifier, QString(QChar(8)), QString(QChar(8)), kCommandKey},
        {Qt::Key_Delete, Qt::NoModifier, QString(QChar(127)), QString(QChar(8)), 0},
        {Qt::Key_Up, Qt::NoModifier, {}, QString(QChar(30)), 0},
        {Qt::Key_R, Qt::NoModifier, "r", "r", 0},
    };
    for (const KeyCase& c : cases) {
        gotKey.clear();
        gotMods = -1;
        QKeyEvent e(QEvent::KeyPress, c.key, c.mods, c.text);
        QApplication::sendEvent(focused.widget(), &e);
        EXPECT_EQ(gotKey, c.expectKey) << "key " << c.key;
        EXPECT_EQ(gotMods, c.expectMods) << "key " << c.key;
    }
}

} // namespace
