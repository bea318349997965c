#include "mainwindow/Window1.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PictButtonClass.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Services.h"
#include "support/WindowTest.h"

#include <unistd.h>

namespace {

class Enabling : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_tmp.folder("hd/f");
        m_tmp.file("hd/f/a");
        m_tmp.file("hd/f/b");
        m_tmp.file("hd/f/c");
        ASSERT_EQ(::symlink((m_hd + "/f/a").constData(), (m_hd + "/f/link").constData()), 0);
        listFolder("f");
    }
    void select(int count, int first = 0)
    {
        w().FileListBox->deselectAll();
        std::vector<int> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(first + i);
        if (!rows.empty())
            w().FileListBox->selectRows(rows);
    }
    QString enabled()
    {
        QString out;
        for (PushButton* b : {w().CloakswitchButton.get(), w().TypeChangeButton.get(),
                              w().InvisDupButton.get(), w().InvisCopyButton.get(),
                              w().InvisMoveButton.get(), w().NameChangeButton.get(),
                              w().NewFolderButton.get(), w().JumpEntityButton.get()})
            out += b->enabled() ? 'x' : '.';
        return out;
    }

};

} // namespace

TEST_F(Enabling, ButtonsFollowSelectionAndSwitches)
{
    // Toggle, type, duplicate, copy, move, rename, new folder, jump; rows: a b c link.
    struct Case {
        int rows, first;
        bool writing, typeChange;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, false, false, "........"},
        {0, 0, true, false, "......x."},
        {2, 0, false, false, "x......."},
        {2, 0, false, true, "xx......"},
        {1, 0, true, false, "x.xxxxx."},
        {3, 0, true, false, "x.xxx..."},
        {1, 3, false, false, "x......x"}, // one alias selected, writing off
    };
    for (const Case& c : cases) {
        w().CopyCheckBox->setValue(c.writing);
        w().TypeChangeCheck->setValue(c.typeChange);
        select(c.rows, c.first);
        EXPECT_EQ(enabled(), c.expected) << c.rows << " rows, writing " << c.writing;
    }
}

TEST_F(Enabling, TrashButtonFollowsTheLiveKeys)
{
    w().CopyCheckBox->setValue(true);
    struct Case {
        int keys, rows;
        bool active;
    };
    const Case cases[] = {
        {0, 0, true},
        {kCommandKey, 0, false},
        {kCommandKey, 1, true},
        {kCommandKey | kOptionKey, 1, true},
        {kCommandKey | kShiftKey, 1, false}, // this test volume's trash holds nothing
        {kShiftKey, 1, false},
        {kOptionKey, 1, false},
        {kShiftKey | kOptionKey | kCommandKey, 1, false},
        {kControlKey, 0, true}, // Control is not looked at
    };
    for (const Case& c : cases) {
        select(c.rows);
        m_input.mods = c.keys;
        w().Timer5_Action();
        EXPECT_EQ(w().TrashButton->value(), c.active) << c.keys << " with " << c.rows;
    }
    w().CopyCheckBox->setValue(false);
    m_input.mods = kCommandKey;
    w().Timer5_Action();
    EXPECT_FALSE(w().TrashButton->value()) << "writing off";
}

TEST_F(Enabling, CaptionsFollowCommandAndOption)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, "コピー", "複製"},
        {kCommandKey, "可視\rコピー", "複製"},
        {kCommandKey | kOptionKey, "可視\rコピー", "Alias\r作成"},
        {kOptionKey, "コピー", "複製"},
    };
    for (const auto& [keys, copy, dup] : cases) {
        m_input.mods = keys;
        w().Timer5_Action();
        EXPECT_EQ(w().InvisCopyButton->caption(), QString::fromUtf8(copy));
        EXPECT_EQ(w().InvisDupButton->caption(), QString::fromUtf8(dup));
    }
}

TEST_F(Enabling, ExternalDragFollowsTheWriteSwitchAndKeepsItsCheck)
{
    EXPECT_FALSE(w().ExternalDragCheckBox->enabled());
    w().CopyCheckBox->setValue(true);
    EXPECT_TRUE(w().ExternalDragCheckBox->enabled());
    w().ExternalDragCheckBox->setValue(true);
    w().CopyCheckBox->setValue(false);
    EXPECT_FALSE(w().ExternalDragCheckBox->enabled());
    EXPECT_TRUE(w().ExternalDragCheckBox->value());
}

TEST_F(Enabling, EveryControlHasItsHelpTag)
{
    for (const char* name : {"BaseDropBox", "CloakswitchButton", "TrashButton", "DispDots",
                             "TypeChangeCheck", "HelpButton", "LittleArrows1"}) {
        Control* c = w().findControl(QString::fromLatin1(name));
        ASSERT_TRUE(c) << name;
        EXPECT_FALSE(c->helpTag().isEmpty()) << name;
    }
    EXPECT_TRUE(w().CloakswitchButton->helpTag().contains("\rOption+クリック：可視にする\r"));
    EXPECT_TRUE(w().NewFolderButton->helpTag().startsWith("　【新規フォルダ作成】\r"));
}
