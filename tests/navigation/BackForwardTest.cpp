#include "NavigationFixture.h"

#include "platform/gui/ListBox.h"

#include <QDir>

namespace {

// Positions a, b, c, d, e on HD (0 to 4).
class Positions : public Navigation {
protected:
    void SetUp() override
    {
        Navigation::SetUp();
        start("a");
        for (const char* name : {"b", "c", "d", "e"})
            go(name);
    }
    void removeFolder(const QByteArray& relative)
    {
        ASSERT_TRUE(QDir(QString::fromUtf8(m_hd + "/" + relative)).removeRecursively());
    }
    QString menuRow(const QString& label, const QByteArray& relative)
    {
        return "(" + label + ") " + fileitems::pathForDisplay(hd(relative));
    }
};

// An input whose clock moves on at every reading, with the button released once the
// clock reaches releaseAt (never when 0).
class PressInput : public InputSource {
public:
    uint64_t releaseAt = 0;
    int mods = 0;
    mutable uint64_t now = 1000;

    int modifiers() const override { return mods; }
    bool mouseDown() const override { return releaseAt == 0 || now < 1000 + releaseAt; }
    QPoint pointer() const override { return {}; }
    bool escapePressed() const override { return false; }
    void clearEscape() override {}
    uint64_t ticks() const override { return now++; }
};

} // namespace

TEST_F(Positions, BackThenANewFolderDropsTheForwardPositions)
{
    w().BackButton->MouseDown(1, 1);
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(w().curBase, 2);
    EXPECT_EQ(basePath(), ":c");
    EXPECT_TRUE(w().ForwardButton->value());

    go("x");
    EXPECT_EQ(positionPaths(), QStringList({":a", ":b", ":c", ":x"}));
    EXPECT_EQ(w().curBase, 3);
    EXPECT_FALSE(w().ForwardButton->value());
    EXPECT_TRUE(w().BackButton->value());
    EXPECT_EQ(w().expandState.size(), 4u);
    EXPECT_EQ(w().selState.size(), 4u);
}

TEST_F(Positions, ForwardReturnsAndDimsAtTheEnd)
{
    w().BackButton->MouseDown(1, 1);
    w().ForwardButton->MouseDown(1, 1);
    EXPECT_EQ(basePath(), ":e");
    EXPECT_FALSE(w().ForwardButton->value());
    w().ForwardButton->MouseDown(1, 1); // dimmed: ignored
    EXPECT_EQ(w().curBase, 4);
}

TEST_F(Positions, MenusLabelTheFirstAndLastPositions)
{
    w().BackButton->MouseDown(1, 1); // curBase 3
    contextClick(*w().BackButton);
    EXPECT_EQ(lastMenu(), QStringList({menuRow("2", "c"), menuRow("1", "b"), menuRow("先頭", "a")}));
    EXPECT_EQ(w().contextJob, "jumpHistory");
    contextClick(*w().ForwardButton);
    EXPECT_EQ(lastMenu(), QStringList({menuRow("末尾", "e")}));
    EXPECT_EQ(w().curBase, 3) << "opening a menu moves nowhere";
}

TEST_F(Positions, ChoosingAMenuRowJumpsThere)
{
    struct Case {
        const char* label;
        const char* folder;
        int curBase;
    };
    const Case cases[] = {{"先頭", "a", 0}, {"末尾", "e", 4}, {"2", "c", 2}};
    for (const Case& c : cases) {
        m_responder.answer(menuRow(QString::fromUtf8(c.label), c.folder));
        contextClick(w().curBase > 0 ? *w().BackButton : *w().ForwardButton);
        EXPECT_EQ(w().curBase, c.curBase) << c.label;
        EXPECT_EQ(basePath(), QString(":") + c.folder) << c.label;
        EXPECT_EQ(w().baseFolder.size(), 5u) << "a jump keeps every position";
        EXPECT_EQ(w().BackButton->value(), c.curBase > 0) << c.label;
        EXPECT_EQ(w().ForwardButton->value(), c.curBase < 4) << c.label;
    }
}

TEST_F(Positions, AJumpToADeletedPositionLandsOnTheNextExistingOne)
{
    removeFolder("b");
    removeFolder("c");
    m_responder.answer(menuRow("1", "b"));
    contextClick(*w().BackButton);
    EXPECT_EQ(positionPaths(), QStringList({":a", ":d", ":e"}));
    EXPECT_EQ(w().curBase, 1);
    EXPECT_EQ(basePath(), ":d");
}

TEST_F(Positions, AJumpPastTheEndWalksBackward)
{
    w().jumpHistory("先頭");
    removeFolder("e");
    removeFolder("d");
    m_responder.answer(menuRow("末尾", "e"));
    contextClick(*w().ForwardButton);
    EXPECT_EQ(positionPaths(), QStringList({":a", ":b", ":c"}));
    EXPECT_EQ(basePath(), ":c");
    EXPECT_FALSE(w().ForwardButton->value());
}

TEST_F(Positions, EqualNeighboursCollapseIntoOne)
{
    go("a"); // position 5: the folder of position 0, reached anew
    for (const char* name : {"b", "c", "d", "e"})
        removeFolder(name);
    w().jumpHistory("1");
    EXPECT_EQ(positionPaths(), QStringList({":a"}));
    EXPECT_EQ(w().curBase, 0);
    EXPECT_FALSE(w().BackButton->value());
    EXPECT_FALSE(w().ForwardButton->value());
}

TEST_F(Positions, AJumpWhenEveryPositionHasGoneListsTheStartupVolume)
{
    for (const char* name : {"a", "b", "c", "d", "e"})
        removeFolder(name);
    w().jumpHistory("2");
    EXPECT_EQ(positionPaths(), QStringList({""}));
    EXPECT_TRUE(base()->isVolumeRoot());
    EXPECT_EQ(w().curBase, 0);
}

TEST_F(Positions, MalformedLabelsStayInRange)
{
    for (const char* label : {"", "-7", "99", "x"}) {
        w().jumpHistory(QString::fromUtf8(label));
        ASSERT_GE(w().curBase, 0) << label;
        ASSERT_LT(w().curBase, int(w().baseFolder.size())) << label;
    }
    w().contextJob = "jumpHistory";
    w().ContextualMenu1_Action("no parenthesis");
    w().ContextualMenu1_Action(")");
    w().ContextualMenu1_Action("(");
    EXPECT_EQ(w().baseFolder.size(), 5u);
}

TEST_F(Positions, BackSkipsVanishedPositionsAndDimsWhenNoneIsLeft)
{
    removeFolder("d");
    removeFolder("c");
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(positionPaths(), QStringList({":a", ":b", ":e"}));
    EXPECT_EQ(basePath(), ":b");

    w().ForwardButton->MouseDown(1, 1);
    removeFolder("a");
    removeFolder("b");
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(positionPaths(), QStringList({":e"}));
    EXPECT_EQ(basePath(), ":e");
    EXPECT_FALSE(w().BackButton->value());
}

TEST_F(Positions, ForwardSkipsVanishedPositions)
{
    w().jumpHistory("1");
    removeFolder("c");
    removeFolder("e");
    w().ForwardButton->MouseDown(1, 1);
    EXPECT_EQ(basePath(), ":d");
    w().ForwardButton->MouseDown(1, 1);
    EXPECT_EQ(positionPaths(), QStringList({":a", ":b", ":d"}));
    EXPECT_EQ(basePath(), ":d");
    EXPECT_FALSE(w().ForwardButton->value());
}

// Both volumes hold ":x"; the position on the ejected or emptied one is unreachable
// even though the other volume still has that path.
TEST_F(Navigation, PositionsAreKeyedByVolumeAsWellAsPath)
{
    m_tmp.folder("hd/x");
    m_tmp.folder("other/x");
    start("x");
    w().ResetFileListBox(other("x"), true);
    go("y");

    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"HD", m_hd, 11}});
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(positionPaths(), QStringList({":x", ":y"}));
    EXPECT_EQ(base()->volumeRef(), 11);

    Volumes::setTestTable(std::vector<Volumes::TestVolume>{{"HD", m_hd, 11}, {"Other", m_other, 22}});
    go("z");
    w().ResetFileListBox(other("x"), true);
    go("w");
    ASSERT_TRUE(QDir(QString::fromUtf8(m_hd + "/x")).removeRecursively());
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(base()->volumeRef(), 22);
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(basePath(), ":z");
    w().BackButton->MouseDown(1, 1); // Other still has ":x", HD no longer does
    EXPECT_EQ(basePath(), ":z");
    EXPECT_EQ(positionPaths(), QStringList({":z", ":x", ":w"}));
    EXPECT_FALSE(w().BackButton->value());
}

TEST_F(Positions, PressTest)
{
    struct Case {
        const char* what;
        uint64_t releaseAt; // 0: still held
        int mods;
        bool menu;
    };
    const Case cases[] = {
        {"held past 18 ticks", 0, 0, true},
        {"released within 18 ticks", 18, 0, false},
        {"held for 19 ticks", 20, 0, true},
        {"short Control-click", 3, kControlKey, true},
        {"short click with Command", 3, kCommandKey, false},
    };
    for (const Case& c : cases) {
        PressInput press;
        press.releaseAt = c.releaseAt;
        press.mods = c.mods;
        Services::instance().setInput(&press);
        EXPECT_EQ(w().isRequestedContextMenu(), c.menu) << c.what;
        Services::instance().setInput(&m_input);
    }
}

TEST_F(Positions, ALongPressOpensTheMenuAndADimmedButtonIgnoresIt)
{
    PressInput held;
    Services::instance().setInput(&held);
    w().BackButton->MouseDown(1, 1);
    EXPECT_EQ(menusShown(), 1);
    EXPECT_EQ(w().curBase, 4);

    w().ForwardButton->MouseDown(1, 1); // dimmed at the last position
    EXPECT_EQ(menusShown(), 1);
    Services::instance().setInput(&m_input);
}
