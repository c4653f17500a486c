#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

struct SearchCommandsTest : ::testing::Test {
    SearchCommandsTest() { f.Seed("C:\\links", {"Apple", "apricot", "Banana", "ソフト"}); }
    FormFixture f;
};

TEST_F(SearchCommandsTest, FindButtonSwitchesTheModeAndShowsTheFrontPage)
{
    const struct {
        Matching mode;
        std::string title;
    } steps[] = {{Matching::Partial, "C:\\links 部分検索"},
                 {Matching::Prefix, "C:\\links 先頭検索"},
                 {Matching::Partial, "C:\\links 部分検索"}};
    for (const auto& step : steps) {
        f.RightClick();  // to the back page
        ASSERT_TRUE(f[ButtonId::findButton].Visible());
        f.form.CompletionCount = 4;
        f.ClickButton(ButtonId::findButton);
        EXPECT_EQ(f.form.SearchMode, step.mode);
        EXPECT_EQ(f.window.title, step.title);
        EXPECT_EQ(f.form.CompletionCount, 0);
        EXPECT_TRUE(f.Edit1.Visible());
        EXPECT_FALSE(f.Edit2.Visible());
        EXPECT_FALSE(f[ButtonId::findButton].Visible());
        EXPECT_EQ(f.Focused(), nullptr);
    }
}

TEST_F(SearchCommandsTest, CtrlFInEdit1SwitchesTheModeWithoutChangingThePage)
{
    f.Run([this] { f.form.EnterNamingState(); });
    f.Type("a");
    f.form.CompletionCount = 3;
    f.KeyDown(KeyEvent{vk::F, false, true, false});
    EXPECT_EQ(f.form.SearchMode, Matching::Partial);
    EXPECT_EQ(f.window.title, "C:\\links 部分検索");
    EXPECT_EQ(f.form.CompletionCount, 0);
    EXPECT_TRUE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f.Edit1.Focused());
}

TEST_F(SearchCommandsTest, PickingCopiesTheCaretEntryOrJoinsTheSelection)
{
    f.form.CompletionCount = 2;
    f.ClickItem(1);
    EXPECT_EQ(f.Edit1.Text(), "apricot");
    EXPECT_EQ(f.form.CompletionCount, 0);

    f.CtrlClickItem(3);
    EXPECT_EQ(f.Edit1.Text(), "apricot;ソフト;");
    f.CtrlClickItem(0);  // list order, not click order
    EXPECT_EQ(f.Edit1.Text(), "Apple;apricot;ソフト;");
    f.CtrlClickItem(3);
    EXPECT_EQ(f.Edit1.Text(), "Apple;apricot;");
    // Taking the last but one away leaves the caret's entry, selected or not.
    f.CtrlClickItem(0);
    EXPECT_EQ(f.Edit1.Text(), "Apple");

    f.ClickItem(0);
    f.ShiftClickItem(2);
    EXPECT_EQ(f.Edit1.Text(), "Apple;apricot;Banana;");
}

TEST_F(SearchCommandsTest, APickWhileEdit1HasTheFocusEmptiesIt)
{
    f.Edit1.SetText("Banana");
    f.ListBox1.SetSelected(0, true);
    f.ListBox1.SetCurrentIndex(0);
    f.Run([this] { f.form.ListBox1Click(); });
    EXPECT_EQ(f.Edit1.Text(), "");

    f.ListBox1.SetSelected(2, true);
    f.Run([this] { f.form.ListBox1Click(); });
    EXPECT_EQ(f.Edit1.Text(), "Apple;Banana;");
}

TEST_F(SearchCommandsTest, APickWithoutACaretIsNoError)
{
    f.ListBox1.SetFocus();
    f.Edit1.SetText("Banana");
    f.ListBox1.SetCurrentIndex(-1);
    f.ListBox1.SetSelected(1, true);
    f.Run([this] { f.form.ListBox1Click(); });
    EXPECT_EQ(f.Edit1.Text(), "Banana");
    EXPECT_TRUE(f.window.errors.empty());
}

}  // namespace
}  // namespace veskor::test
