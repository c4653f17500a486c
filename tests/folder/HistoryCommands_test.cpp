#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Names = std::vector<std::string>;

TEST(ClearAllTest, EmptiesHistoryAndListButKeepsEdit1AndTheFiles)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail", "web"});
    f.AddShortcut("mail", "C:\\mail.exe");
    f.Edit1.SetText("ma");
    f.RightClick();
    f.Alt(vk::Back);

    EXPECT_EQ(f.History(), Names{});
    EXPECT_EQ(f.ListItems(), Names{});
    EXPECT_EQ(f.Edit1.Text(), "ma");
    EXPECT_TRUE(f.platform.Exists("D:\\Links\\mail.lnk"));
    EXPECT_EQ(f.window.title, "履歴を全消去しました");
    EXPECT_FALSE(f.Edit2.Visible());
    EXPECT_EQ(f.Focused(), &f.Edit1);
}

TEST(SortTest, SortsIgnoringLetterCaseAndShowsTheFrontPage)
{
    FormFixture f;
    f.Seed("D:\\Links", {"b", "A", "c"});
    f.RightClick();
    f.Ctrl(vk::Right);
    EXPECT_EQ(f.History(), (Names{"A", "b", "c"}));
    EXPECT_EQ(f.ListItems(), (Names{"A", "b", "c"}));
    EXPECT_EQ(f.window.title, "ソートしました");
    EXPECT_TRUE(f.Edit1.Visible());
    EXPECT_EQ(f.Focused(), &f.Edit1);
}

// The list may show only the entries that match Edit1; those it hides stay in the history.
TEST(SortTest, AFilteredViewLosesNoEntry)
{
    FormFixture f;
    f.Seed("D:\\Links", {"web", "Ab", "tools", "a"});
    f.Type("a");
    ASSERT_EQ(f.ListItems(), (Names{"Ab", "a"}));
    const std::string typed = f.Edit1.Text();
    f.ListBox1.SetFocus();
    f.Ctrl(vk::Right);
    EXPECT_EQ(f.History(), (Names{"a", "Ab", "tools", "web"}));
    EXPECT_EQ(f.ListItems(), f.History());
    EXPECT_EQ(f.Edit1.Text(), typed);
}

class AutoRegisterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Seed("D:\\Links", {"x", "web"});
        f.AddShortcut("a", "C:\\a.exe");
        f.AddShortcut("X", "C:\\x.exe");
        f.platform.AddFile("D:\\Links\\Data.LNK", "L");
        f.platform.AddFolder("D:\\Links\\old.lnk");
        f.platform.AddFile("D:\\Links\\ソ.lnk", "L");
        f.platform.AddFile("D:\\Links\\b.lnk.lnk", "L");
        f.platform.AddFile("D:\\Links\\readme.txt", "");
    }

    FormFixture f;
};

TEST_F(AutoRegisterTest, AppendsTheFoldersNewNamesInItsOrder)
{
    f.Edit1.SetText("typed");
    f.RightClick();
    f.Ctrl(vk::T);
    const Names expected{"x", "web", "a", "Data.LNK", "old", "ソ", "b"};
    EXPECT_EQ(f.History(), expected);
    EXPECT_EQ(f.ListItems(), expected);
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.window.title, "自動登録しました");
    EXPECT_TRUE(f.Edit1.Visible());
    EXPECT_EQ(f.Focused(), &f.Edit1);
}

TEST_F(AutoRegisterTest, AFilteredViewLosesNoEntry)
{
    f.Type("w");
    ASSERT_EQ(f.ListItems(), (Names{"web"}));
    f.Ctrl(vk::T);
    EXPECT_EQ(f.History(), (Names{"x", "web", "a", "Data.LNK", "old", "ソ", "b"}));
}

// Names the code page cannot spell are left out, and the title says how many.
TEST_F(AutoRegisterTest, NamesTheCodePageCannotSpellAreCountedInTheTitle)
{
    f.platform.AddUnnamableLink("D:\\Links");
    f.platform.AddUnnamableLink("D:\\Links");
    f.platform.AddUnnamableLink("D:\\Other");
    f.Ctrl(vk::T);
    EXPECT_EQ(f.History(), (Names{"x", "web", "a", "Data.LNK", "old", "ソ", "b"}));
    EXPECT_EQ(f.window.title, "自動登録しました (名前に使えない文字のため 2 件を除外)");
}

TEST_F(AutoRegisterTest, AMissingFolderAddsNothing)
{
    f.form.ShortcutFolder = "D:\\Gone";
    f.Ctrl(vk::T);
    EXPECT_EQ(f.History(), (Names{"x", "web"}));
    EXPECT_EQ(f.window.title, "自動登録しました");
}

}  // namespace
}  // namespace veskor::test
