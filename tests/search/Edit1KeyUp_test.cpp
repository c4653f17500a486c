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

// However long the history, a key copies none of its texts: the list shows the
// history's own entries, the matching ones or all of them.
TEST_F(SearchTest, TheListShowsTheHistorysOwnTexts)
{
    const veskor::History& history = *f.form.HistoryList;
    f.Type("a");
    ASSERT_EQ(f.ListBox1.Count(), 2);
    EXPECT_EQ(&f.ListBox1.Item(0), &history.At(0));
    EXPECT_EQ(&f.ListBox1.Item(1), &history.At(1));
    f.Edit1.SetText("");
    f.KeyUp(vk::Back);
    ASSERT_EQ(f.ListBox1.Count(), 3);
    EXPECT_EQ(&f.ListBox1.Item(2), &history.At(2));
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

    // The next completion starts behind what was typed, however much that is.
    f.Type("p");
    EXPECT_EQ(f.ListItems(), Items{"Apple"});
    ExpectField("Apple", "le");

    // Delete neither.
    f.Edit1.SetSelection(1, 4);
    f.Edit1.Type("");
    f.KeyUp(vk::Delete);
    ExpectField("A", "");
    EXPECT_EQ(f.ListItems(), (Items{"Apple", "apricot"}));
    EXPECT_EQ(f.form.CompletionCount, 0);
}

TEST_F(SearchTest, ReleasingShiftFiltersWithTheCompletedTextAndKeepsTheSelection)
{
    f.Type("A");  // Shift is still held
    ExpectField("Apple", "pple");
    f.KeyUp(vk::Shift);
    EXPECT_EQ(f.ListItems(), Items{"Apple"});
    ExpectField("Apple", "pple");
    EXPECT_EQ(f.form.CompletionCount, 1);
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
    f.Edit1.SetSelection(1, 0);
    f.KeyUp(vk::Up);
    EXPECT_EQ(f.ListItems(), Items{"Banana"});
    ExpectField("Banana", "anana");
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
    // A release that changed nothing leaves the selection where it is.
    f.KeyUp(vk::Shift);
    ExpectField("Ｗｏｒｄ", "ｏｒｄ");
}

TEST_F(SearchTest, TheSelectionRunsToTheEndOfALongName)
{
    std::string kana;
    for (int i = 0; i < 150; ++i)
        kana += "ソ";
    f.Seed("C:\\links", {"a" + std::string(150, 'x'), kana});
    f.Type("a");
    EXPECT_EQ(f.Edit1.SelectedText(), std::string(150, 'x'));

    f.Edit1.SetText("");
    Compose("ソ");
    EXPECT_EQ(f.Edit1.SelectionStart(), 2);
    EXPECT_EQ(f.Edit1.SelectionLength(), 298);
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

// The field as the rows below draw it: the selection in brackets, or "|" at the caret.
std::string Drawn(const FakeEdit& edit)
{
    const std::string text = edit.Text();
    const auto start = static_cast<size_t>(edit.SelectionStart());
    const auto end = start + static_cast<size_t>(edit.SelectionLength());
    const std::string before = text.substr(0, start);
    if (end == start)
        return before + "|" + text.substr(start);
    return before + "[" + text.substr(start, end - start) + "]" + text.substr(end);
}

// Keys as a person presses them, separated by spaces: "n+" presses the key of n (typing n)
// and "n-" releases it; "Shift+", "Shift-"; "Home" and "End" press and release the key,
// selecting while Shift is held; "BS" is Backspace, "^F" Ctrl+F, "=表計" an input method's
// commit; any other word is typed one key at a time.
void Play(FormFixture& f, const std::string& keys)
{
    bool shift = false;
    size_t from = 0;
    while (from < keys.size()) {
        size_t end = keys.find(' ', from);
        end = end == std::string::npos ? keys.size() : end;
        const std::string key = keys.substr(from, end - from);
        from = end + 1;
        if (key == "Shift+" || key == "Shift-") {
            shift = key.back() == '+';
            shift ? (void)f.KeyDown(KeyEvent{vk::Shift, true}) : f.KeyUp(vk::Shift);
        } else if (key.size() == 2 && key[1] == '+') {
            f.KeyDown(key.substr(0, 1), shift);
        } else if (key.size() == 2 && key[1] == '-') {
            f.KeyUp(FormFixture::KeyOf(key.substr(0, 1)));
        } else if (key == "Home" || key == "End") {
            const int code = key == "Home" ? vk::Home : vk::End;
            f.KeyDown(KeyEvent{code, shift});
            f.Edit1.MoveCaret(code == vk::Home ? 0 : static_cast<int>(f.Edit1.Text().size()), shift);
            f.KeyUp(code);
        } else if (key == "BS") {
            f.Backspace();
        } else if (key == "^F") {
            f.Ctrl(vk::F);
        } else if (key[0] == '=') {
            f.form.Edit1Composition(true);
            f.KeyDown(KeyEvent{vk::ProcessKey});
            f.Edit1.Type(key.substr(1));
            f.form.Edit1Composition(false);
            f.KeyUp(vk::Return);
        } else {
            f.Type(key);
        }
    }
}

struct KeyRow {
    Items history;
    std::string keys;
    std::string field;  // afterwards, drawn as Drawn() does
};

// The completed tail always starts where the user's own text ends, however the keys
// overlap; a release that changed nothing leaves the field and the selection alone.
TEST(TypingTable, TheFieldHoldsWhatWasTypedAndSelectsTheRestOfTheFirstMatch)
{
    const Items notes{"notepad", "note", "notes"};
    const Items japanese{"表計算ソフト", "表示", "ソフト"};
    const std::string x100(100, 'x');
    const Items longName{"cx" + x100};
    const KeyRow rows[] = {
        {notes, "not", "not[epad]"},
        {notes, "n+ o+ n-", "no[tepad]"},
        {notes, "n+ o+ n- t+ o- t-", "not[epad]"},
        {notes, "notes", "notes|"},
        {notes, "Shift+ N+ N- Shift-", "n[otepad]"},
        {notes, "Shift+ N+ Shift- o+ N- o-", "no[tepad]"},
        {notes, "Shift+ N+ Shift- o+ N- o- tepad", "notepad|"},
        {Fruit, "Shift+ A+ A- Shift- p+ p-", "Ap[ple]"},
        {Fruit, "apx", "Apx|"},
        {Fruit, "ap BS", "Ap|"},
        {Fruit, "ap BS p", "App[le]"},
        {Fruit, "ap ^F ^F p", "App[le]"},
        {Fruit, "^F an", "an|"},
        {Fruit, "a End Shift+ Home Shift-", "[Apple]"},
        {Fruit, "a End Shift+ Home Shift- BS", "|"},
        {Fruit, "a End Shift+ Home Shift- BS b", "B[anana]"},
        {longName, "c", "c[x" + x100 + "]"},
        {longName, "c BS x", "cx[" + x100 + "]"},
        {japanese, "=表", "表[計算ソフト]"},
        {japanese, "=表 Shift+ Shift-", "表[計算ソフト]"},
        {japanese, "=表計算", "表計算[ソフト]"},
        {japanese, "=表 =示", "表示|"},
        {japanese, "=ソ BS", "ソ|"},
    };
    for (const KeyRow& row : rows) {
        FormFixture f;
        f.Seed("C:\\links", row.history);
        Play(f, row.keys);
        EXPECT_EQ(Drawn(f.Edit1), row.field) << row.keys;
    }
}

}  // namespace
}  // namespace veskor::test
