#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Items = std::vector<std::string>;

// The list after typing when the literal filter finds nothing, and the field left alone.
struct ReadingSearchTest : ::testing::Test {
    ReadingSearchTest() { f.Seed("C:\\links", {"メモ帳", "ﾍﾟｲﾝﾄ", "Memo", "ぺいんと"}); }
    FormFixture f;
};

TEST_F(ReadingSearchTest, ReadingMatchesShowOnlyWhenNothingMatchesAndNeverComplete)
{
    f.Type("me");  // the literal match wins and completes
    EXPECT_EQ(f.ListItems(), Items{"Memo"});
    EXPECT_EQ(f.Edit1.SelectedText(), "mo");

    f.Edit1.SetText("");
    f.Type("pein");
    EXPECT_EQ(f.ListItems(), (Items{"ﾍﾟｲﾝﾄ", "ぺいんと"}));
    f.Edit1.SetSelection(1, 0);  // the caret stays where the user puts it
    f.KeyUp(vk::Shift);
    EXPECT_EQ(f.Edit1.Text(), "pein");
    EXPECT_EQ(f.Edit1.SelectionStart(), 1);
    EXPECT_EQ(f.Edit1.SelectionLength(), 0);
    EXPECT_EQ(f.form.CompletionCount, 0);
    EXPECT_EQ(f.window.title, "C:\\links 先頭検索");
}

TEST_F(ReadingSearchTest, DownTakesTheFirstReadingMatchIntoTheField)
{
    f.Type("pe");
    f.KeyDown(KeyEvent{vk::Down});
    EXPECT_TRUE(f.ListBox1.Focused());
    EXPECT_EQ(f.ListBox1.CurrentIndex(), 0);
    EXPECT_EQ(f.Edit1.Text(), "ﾍﾟｲﾝﾄ");

    // Once the list shows the whole history again, Down takes the second entry as usual.
    f.KeyDown(KeyEvent{vk::Up});
    f.Type("pe");
    f.Ctrl(vk::Right);  // sorting shows the whole history; Edit1 keeps "pe"
    f.KeyDown(KeyEvent{vk::Down});
    EXPECT_EQ(f.ListBox1.CurrentIndex(), 1);
}

}  // namespace
}  // namespace veskor::test
