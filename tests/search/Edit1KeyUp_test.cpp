#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Items = std::vector<std::string>;

const Items Fruit{"Apple", "apricot", "Banana"};

struct SearchTest : ::testing::Test {
    SearchTest() { f.Seed("C:\\links", Fruit); }

    void ExpectField(const std::string& text, const std::string& selected)
    {
        EXPECT_EQ(f.Edit1.Text(), text);
        EXPECT_EQ(f.Edit1.SelectedText(), selected);
    }
    // A composition: its releases are the input method's, then the commit lands in the
    // field and the key that committed it is released.
    void Compose(const std::string& committed)
    {
        f.KeyUp(vk::ProcessKey);
        f.Edit1.Type(committed);
        f.KeyUp(vk::Return);
    }

    FormFixture f;
};

TEST_F(SearchTest, TypingFiltersAndCompletesWithTheStoredLetterCase)
{
    f.Type("a");
    EXPECT_EQ(f.ListItems(), (Items{"Apple", "apricot"}));
    ExpectField("Apple", "pple");
    EXPECT_EQ(f.form.CompletionCount, 1);

    f.Type("p");
    EXPECT_EQ(f.ListItems(), (Items{"Apple", "apricot"}));
    ExpectField("Apple", "ple");
    EXPECT_EQ(f.form.CompletionCount, 2);

    f.Type("r");
    EXPECT_EQ(f.ListItems(), Items{"apricot"});
    ExpectField("apricot", "icot");
    EXPECT_EQ(f.form.CompletionCount, 3);
}

TEST_F(SearchTest, NoMatchLeavesTheTextAndResetsTheCount)
{
    f.Type("apx");
    EXPECT_EQ(f.ListItems(), Items{});
    ExpectField("Apx", "");
    EXPECT_EQ(f.form.CompletionCount, 0);
}

TEST_F(SearchTest, BackspaceAndDeleteFilterWithoutBringingTheTailBack)
{
    f.Type("ap");
    f.Backspace();  // takes the selected "ple"
    EXPECT_EQ(f.ListItems(), (Items{"Apple", "apricot"}));
    ExpectField("Ap", "");
    EXPECT_EQ(f.form.CompletionCount, 0);

    // Counting starts again: the selection starts at 1 whatever was typed.
    f.Type("p");
    EXPECT_EQ(f.ListItems(), Items{"Apple"});
    ExpectField("Apple", "pple");

    // Delete neither.
    f.Edit1.SetSelection(1, 4);
    f.Edit1.Type("");
    f.KeyUp(vk::Delete);
    ExpectField("A", "");
    EXPECT_EQ(f.ListItems(), (Items{"Apple", "apricot"}));
    EXPECT_EQ(f.form.CompletionCount, 0);
}

TEST_F(SearchTest, ReleasingShiftFiltersWithTheCompletedTextAndCompletesAgain)
{
    f.Type("A");  // Shift is still held
    ExpectField("Apple", "pple");
    f.KeyUp(vk::Shift);
    EXPECT_EQ(f.ListItems(), Items{"Apple"});
    ExpectField("Apple", "ple");
    EXPECT_EQ(f.form.CompletionCount, 2);
}

TEST_F(SearchTest, AnEmptyFieldShowsTheWholeHistory)
{
    f.Type("b");
    EXPECT_EQ(f.ListItems(), Items{"Banana"});
    f.Edit1.SetSelection(0, 100);
    f.Backspace();
    EXPECT_EQ(f.ListItems(), Fruit);
    ExpectField("", "");
    EXPECT_EQ(f.form.CompletionCount, 0);
}

TEST_F(SearchTest, PartialModeFiltersAnywhereAndNeverCompletes)
{
    f.Ctrl(vk::F);
    EXPECT_EQ(f.form.SearchMode, Matching::Partial);
    f.Type("an");
    EXPECT_EQ(f.ListItems(), Items{"Banana"});
    ExpectField("an", "");
    EXPECT_EQ(f.form.CompletionCount, 0);
    f.Type("x");
    EXPECT_EQ(f.ListItems(), Items{});
}

TEST_F(SearchTest, MovingTheCaretChangesNothing)
{
    f.Type("a");
    for (int key : {vk::Left, vk::Right, vk::Home, vk::End}) {
        f.Edit1.SetText("b");
        f.KeyUp(key);
        EXPECT_EQ(f.ListItems(), (Items{"Apple", "apricot"})) << key;
        EXPECT_EQ(f.Edit1.Text(), "b") << key;
        EXPECT_EQ(f.form.CompletionCount, 1) << key;
    }
    // Any other release filters again, even one that changed no text.
    f.KeyUp(vk::Up);
    EXPECT_EQ(f.ListItems(), Items{"Banana"});
    ExpectField("Banana", "nana");
}

TEST_F(SearchTest, TheNamingStateLeavesListAndFieldAlone)
{
    f.Run([this] { f.form.EnterNamingState(); });
    f.Type("a");
    EXPECT_EQ(f.ListItems(), Fruit);
    ExpectField("a", "");
    EXPECT_EQ(f.form.CompletionCount, 0);
}

TEST_F(SearchTest, ARefilledListSelectsNothing)
{
    f.ClickItem(0);
    f.CtrlClickItem(2);
    f.ClickInto(f.Edit1);
    f.Edit1.SetText("");
    f.KeyUp(vk::Shift);
    EXPECT_EQ(f.ListItems(), Fruit);
    EXPECT_EQ(f.ListBox1.SelectedCount(), 0);
}

// Double-byte names: the second bytes of 表 and ソ are "\", and the field takes byte
// positions; the selection must cover exactly the characters not yet typed.
TEST_F(SearchTest, CompletionSelectsWholeDoubleByteCharacters)
{
    f.Seed("C:\\links", {"表計算", "ソフト", "表示", "Ｗｏｒｄ"});

    Compose("表");
    EXPECT_EQ(f.ListItems(), (Items{"表計算", "表示"}));
    ExpectField("表計算", "計算");

    Compose("計");
    EXPECT_EQ(f.ListItems(), Items{"表計算"});
    ExpectField("表計算", "算");
    EXPECT_EQ(f.form.CompletionCount, 2);

    // Several characters in one commit: the tail still starts after them.
    f.Edit1.SetText("");
    Compose("ソフ");
    EXPECT_EQ(f.ListItems(), Items{"ソフト"});
    ExpectField("ソフト", "ト");

    f.Edit1.SetText("");
    Compose("ｗ");
    EXPECT_EQ(f.ListItems(), Items{"Ｗｏｒｄ"});
    ExpectField("Ｗｏｒｄ", "ｏｒｄ");
    // Ordinary releases go on counting one character each.
    f.KeyUp(vk::Shift);
    ExpectField("Ｗｏｒｄ", "ｒｄ");
}

TEST_F(SearchTest, TheSelectionCoversAHundredCharacters)
{
    std::string kana;
    for (int i = 0; i < 150; ++i)
        kana += "ソ";
    f.Seed("C:\\links", {"a" + std::string(150, 'x'), kana});
    f.Type("a");
    EXPECT_EQ(f.Edit1.SelectedText(), std::string(100, 'x'));

    f.Edit1.SetText("");
    Compose("ソ");
    EXPECT_EQ(f.Edit1.SelectionStart(), 2);
    EXPECT_EQ(f.Edit1.SelectionLength(), 200);
}

TEST_F(SearchTest, ReleasesDuringCompositionLeaveTheUnfinishedTextAlone)
{
    f.Type("b");
    f.Edit1.SetText("ｂａ");  // the input method's text, not yet committed
    f.KeyUp(vk::ProcessKey);
    f.KeyUp(vk::ProcessKey);
    EXPECT_EQ(f.ListItems(), Items{"Banana"});
    ExpectField("ｂａ", "");
    EXPECT_EQ(f.form.CompletionCount, 1);

    f.Edit1.SetText("Ba");
    f.Edit1.SetSelection(2, 0);
    f.KeyUp(vk::Return);  // the commit's release
    ExpectField("Banana", "nana");
}

// As the window reports it: while a composition is open every release in Edit1 is the
// input method's, whatever key it names; the first release after it completes from the caret.
TEST_F(SearchTest, AnOpenCompositionTakesEveryReleaseWhateverItsKey)
{
    f.Type("b");
    f.form.Edit1Composition(true);
    f.Edit1.SetText("ｂａｎ");
    f.KeyUp('N');
    f.KeyUp(vk::Back);
    EXPECT_EQ(f.ListItems(), Items{"Banana"});
    ExpectField("ｂａｎ", "");
    EXPECT_EQ(f.form.CompletionCount, 1);

    f.form.Edit1Composition(false);
    f.Edit1.SetText("Ban");
    f.Edit1.SetSelection(3, 0);
    f.KeyUp(vk::Return);
    ExpectField("Banana", "ana");
}

}  // namespace
}  // namespace veskor::test
