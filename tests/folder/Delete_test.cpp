#include <gtest/gtest.h>

#include "form/ErrorBox.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Names = std::vector<std::string>;

class DeleteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Seed("D:\\Links", {"a", "b", "c", "a;c;", "d"});
        for (const char* name : {"a", "b", "c", "d"})
            f.AddShortcut(name, std::string("C:\\") + name + ".exe");
    }

    FormFixture f;
};

TEST_F(DeleteTest, OneEntryGoesWithItsShortcutFromTheCaretEvenUnselected)
{
    f.ListBox1.SetCurrentIndex(1);
    ASSERT_EQ(f.ListBox1.SelectedCount(), 0);
    f.Edit1.SetText("typed");
    f.Ctrl(vk::Delete);

    EXPECT_EQ(f.History(), (Names{"a", "c", "a;c;", "d"}));
    EXPECT_EQ(f.ListItems(), f.History());
    EXPECT_EQ(f.platform.Names("D:\\Links"), (Names{"a.lnk", "c.lnk", "d.lnk"}));
    EXPECT_EQ(f.window.title, "履歴を削除しました");
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.Focused(), &f.Edit1);
}

TEST_F(DeleteTest, OfTwoEqualEntriesOnlyTheUpperOneLeavesTheHistory)
{
    FormFixture g;
    g.Seed("D:\\Links", {"x", "y", "X"});
    g.ListBox1.SetCurrentIndex(2);
    g.ClickButton(ButtonId::delButton);
    EXPECT_EQ(g.History(), (Names{"y", "X"}));
    EXPECT_EQ(g.ListItems(), (Names{"x", "y"}));
}

TEST_F(DeleteTest, AGroupEntryNamesNoFile)
{
    f.ListBox1.SetCurrentIndex(3);
    f.Ctrl(vk::Delete);
    EXPECT_EQ(f.History(), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(f.platform.Names("D:\\Links"), (Names{"a.lnk", "b.lnk", "c.lnk", "d.lnk"}));
}

TEST_F(DeleteTest, SelectedEntriesGoWithTheirFilesUnlessTheirJoinedTextIsAnEntry)
{
    struct Case {
        const char* what;
        std::vector<std::string> history;
        Names filesLeft;
        Names historyLeft;
    };
    const Case cases[] = {
        {"a;c; not recorded", {"a", "b", "c", "d"}, {"b.lnk", "d.lnk"}, {"b", "d"}},
        {"a;c; recorded", {"a", "b", "c", "a;c;", "d"}, {"a.lnk", "b.lnk", "c.lnk", "d.lnk"}, {"b", "a;c;", "d"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture g;
        g.Seed("D:\\Links", c.history);
        for (const char* name : {"a", "b", "c", "d"})
            g.AddShortcut(name, std::string("C:\\") + name + ".exe");
        g.ClickItem(0);
        g.CtrlClickItem(2);
        ASSERT_EQ(g.Edit1.Text(), "a;c;");
        g.ClickButton(ButtonId::delButton);

        EXPECT_EQ(g.platform.Names("D:\\Links"), c.filesLeft);
        EXPECT_EQ(g.History(), c.historyLeft);
        EXPECT_EQ(g.ListItems(), c.historyLeft);
        EXPECT_EQ(g.window.title, "履歴を削除しました");
        EXPECT_EQ(g.Edit1.Text(), "");
        EXPECT_EQ(g.Focused(), &g.Edit1);
    }
}

TEST_F(DeleteTest, WithNoCaretTheListIndexErrorIsShownAndNothingChanges)
{
    f.ListBox1.SetCurrentIndex(-1);
    f.Edit1.SetText("a");
    f.Ctrl(vk::Delete);
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.window.errors[0].text, ErrorText("リストのインデックスが範囲を超えています (-1)"));
    EXPECT_EQ(f.History(), (Names{"a", "b", "c", "a;c;", "d"}));
    EXPECT_EQ(f.platform.Names("D:\\Links").size(), 4u);
    EXPECT_EQ(f.Edit1.Text(), "a");
}

// The naming state ends, but the default flags stay where the naming state put them.
TEST_F(DeleteTest, DeletingInTheNamingStateEndsItWithoutRestoringTheDefaultButton)
{
    f.form.EnterNamingState();
    f.ListBox1.SetCurrentIndex(4);
    f.Ctrl(vk::Delete);
    EXPECT_FALSE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f[ButtonId::renameButton].Visible());
    EXPECT_TRUE(f[ButtonId::changeButton].IsDefault());
    EXPECT_FALSE(f[ButtonId::okButton].IsDefault());
    EXPECT_EQ(f.History(), (Names{"a", "b", "c", "a;c;"}));
}

}  // namespace
}  // namespace veskor::test
