#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Items = std::vector<std::string>;

// What the list and the field show after typing, when the literal filter finds nothing.
struct ReadingSearchTest : ::testing::Test {
    ReadingSearchTest() { f.Seed("C:\\links", {"メモ帳", "ﾍﾟｲﾝﾄ", "Memo", "ぺいんと", "電卓"}); }

    void ExpectTyped(const std::string& text, int caret)
    {
        EXPECT_EQ(f.Edit1.Text(), text);
        EXPECT_EQ(f.Edit1.SelectionStart(), caret);
        EXPECT_EQ(f.Edit1.SelectionLength(), 0);
        EXPECT_EQ(f.form.CompletionCount, 0);
        EXPECT_EQ(f.window.title, "C:\\links 先頭検索");
    }

    FormFixture f;
};

TEST_F(ReadingSearchTest, LiteralMatchesWinAndComplete)
{
    f.Type("me");
    EXPECT_EQ(f.ListItems(), Items{"Memo"});
    EXPECT_EQ(f.Edit1.Text(), "Memo");
    EXPECT_EQ(f.Edit1.SelectedText(), "mo");
    EXPECT_EQ(f.form.CompletionCount, 2);
}

TEST_F(ReadingSearchTest, ReadingMatchesShowOnlyWhenNothingMatchesAndNeverComplete)
{
    f.Type("pe");
    EXPECT_EQ(f.ListItems(), (Items{"ﾍﾟｲﾝﾄ", "ぺいんと"}));
    ExpectTyped("pe", 2);
    f.Type("int");
    EXPECT_EQ(f.ListItems(), (Items{"ﾍﾟｲﾝﾄ", "ぺいんと"}));
    ExpectTyped("peint", 5);
    f.Backspace();
    EXPECT_EQ(f.ListItems(), (Items{"ﾍﾟｲﾝﾄ", "ぺいんと"}));
    ExpectTyped("pein", 4);

    // The caret stays where the user put it: a release that changes nothing moves nothing.
    f.Edit1.SetSelection(1, 0);
    f.KeyUp(vk::Shift);
    ExpectTyped("pein", 1);

    f.Edit1.SetText("peinx");
    f.KeyUp('X');
    EXPECT_EQ(f.ListItems(), Items{});
    ExpectTyped("peinx", 0);

    // An entry that also matches literally takes the list back.
    f.Edit1.SetText("");
    f.Type("mem");
    EXPECT_EQ(f.ListItems(), Items{"Memo"});
}

// Kana come from the input method: its releases, the commit, the committing key's release.
TEST_F(ReadingSearchTest, KanaTypedFindTheOtherKanaAndWidth)
{
    f.KeyUp(vk::ProcessKey);
    f.Edit1.Type("ペイ");
    f.KeyUp(vk::Return);
    EXPECT_EQ(f.ListItems(), (Items{"ﾍﾟｲﾝﾄ", "ぺいんと"}));
    ExpectTyped("ペイ", 4);
}

TEST_F(ReadingSearchTest, PartialModeReadsFromAnyCharacter)
{
    f.Type("into");
    EXPECT_EQ(f.ListItems(), Items{});
    f.Edit1.SetText("");
    f.Ctrl('F');
    f.Type("into");
    EXPECT_EQ(f.ListItems(), (Items{"ﾍﾟｲﾝﾄ", "ぺいんと"}));
    EXPECT_EQ(f.Edit1.Text(), "into");
    EXPECT_EQ(f.form.CompletionCount, 0);
}

TEST_F(ReadingSearchTest, DownTakesTheFirstReadingMatchIntoTheField)
{
    f.Type("pe");
    f.KeyDown(KeyEvent{vk::Down});
    EXPECT_TRUE(f.ListBox1.Focused());
    EXPECT_EQ(f.ListBox1.CurrentIndex(), 0);
    EXPECT_EQ(f.Edit1.Text(), "ﾍﾟｲﾝﾄ");

    // Once the list shows the whole history again, Down goes to the second entry, as
    // after any text that the first entry completed.
    f.KeyDown(KeyEvent{vk::Up});
    f.Type("pe");
    f.Ctrl(vk::Right);  // sorting shows the whole history, Edit1 keeps "pe"
    ASSERT_EQ(f.Edit1.Text(), "pe");
    f.KeyDown(KeyEvent{vk::Down});
    EXPECT_EQ(f.ListBox1.CurrentIndex(), 1);
}

TEST_F(ReadingSearchTest, EnterLaunchesTheTypedText)
{
    f.AddShortcut("pe", "C:\\pe.exe");
    f.Type("pe");
    f.Press(vk::Return);
    ASSERT_FALSE(f.platform.shellCalls.empty());
    EXPECT_EQ(f.platform.shellCalls.front().file, "C:\\pe.exe");
}

}  // namespace
}  // namespace veskor::test
