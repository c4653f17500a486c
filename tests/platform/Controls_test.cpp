#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <memory>

#include "text/Error.h"
#include "support/FakeControls.h"

namespace veskor::test {
namespace {

TEST(ControlsTest, OneControlOfTheWindowHasTheFocusAndHidingItLeavesNone)
{
    FocusTracker focus;
    FakeEdit edit(focus);
    FakeList list(focus);
    FakeButton hidden(focus, "x", false);

    edit.SetFocus();
    list.SetFocus();
    EXPECT_FALSE(edit.Focused());
    EXPECT_TRUE(list.Focused());
    list.SetVisible(false);
    EXPECT_EQ(focus.focused, nullptr);
    list.SetVisible(true);
    EXPECT_FALSE(list.Focused());
    EXPECT_THROW(hidden.SetFocus(), std::logic_error);
}

TEST(ControlsTest, AnEditSelectsItsTextWhenItTakesTheFocusUnlessTheLeftButtonIsDown)
{
    FocusTracker focus;
    FakeEdit edit(focus);
    FakeEdit other(focus);
    edit.SetText("abc");
    EXPECT_EQ(edit.SelectionLength(), 0);

    edit.SetFocus();
    EXPECT_EQ(edit.SelectedText(), "abc");
    edit.SetSelection(1, 0);
    edit.SetFocus();  // already focused: no new selection
    EXPECT_EQ(edit.SelectionLength(), 0);

    other.SetFocus();
    focus.leftButtonDown = true;
    edit.SetFocus();
    EXPECT_EQ(edit.SelectionStart(), 1);
    EXPECT_EQ(edit.SelectionLength(), 0);
}

TEST(ControlsTest, SelectionsNeverSplitADoubleByteCharacter)
{
    FocusTracker focus;
    FakeEdit edit(focus);
    edit.SetText("aソb表");  // a, ソ at 1-2 (its second byte is 0x5C), b, 表 at 4-5
    const struct {
        int start, length, expectedStart, expectedLength;
    } cases[] = {
        {0, 2, 0, 3}, {2, 1, 3, 0}, {1, 100, 1, 5}, {5, 1, 6, 0}, {4, 2, 4, 2}, {-3, 2, 0, 0}, {5, -2, 3, 3},
    };
    for (const auto& c : cases) {
        edit.SetSelection(c.start, c.length);
        EXPECT_EQ(edit.SelectionStart(), c.expectedStart) << c.start << "," << c.length;
        EXPECT_EQ(edit.SelectionLength(), c.expectedLength) << c.start << "," << c.length;
    }

    edit.SetSelection(6, 0);
    edit.Backspace();
    EXPECT_EQ(edit.Text(), "aソb");
    edit.SetSelection(1, 2);
    edit.Type("x");
    EXPECT_EQ(edit.Text(), "axb");
    EXPECT_EQ(edit.SelectionStart(), 2);
}

TEST(ControlsTest, AssignedItemsStartUnselectedWithTheCaretOnTheFirst)
{
    FocusTracker focus;
    FakeList list(focus);
    list.Assign({"a", "b", "c"});
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_EQ(list.SelectedCount(), 0);

    list.SetCurrentIndex(2);
    EXPECT_EQ(list.SelectedCount(), 0);
    list.ClickItem(1);
    list.Clear();
    EXPECT_EQ(list.CurrentIndex(), -1);
    EXPECT_EQ(list.SelectedCount(), 0);

    try {
        (void)list.Item(0);
        ADD_FAILURE() << "no range error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (0)");
    }
    EXPECT_THROW(list.Insert(1, "x"), Error);
    EXPECT_THROW(list.Remove(0), Error);
}

TEST(ControlsTest, InsertAndRemoveCarryTheSelectionAndTheCaretWithTheirItems)
{
    FocusTracker focus;
    FakeList list(focus);
    list.Assign({"a", "b", "c", "d"});
    list.ClickItem(1);
    list.CtrlClickItem(3);  // b and d selected, caret on d

    list.Insert(0, "new");
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 4}));
    EXPECT_EQ(list.CurrentIndex(), 4);

    list.Remove(2);  // b goes
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{3});
    EXPECT_EQ(list.CurrentIndex(), 3);
    list.Remove(3);  // the caret's own item, the last one
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_EQ(list.CurrentIndex(), 2);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"new", "a", "c"}));
}

// A view shows rows of shared texts without copying them; a change of the list gives it
// texts of its own first, and the shared texts stay as they were.
TEST(ControlsTest, AViewShowsSharedTextsUntilTheListItselfIsChanged)
{
    FocusTracker focus;
    FakeList list(focus);
    const auto texts = std::make_shared<const std::vector<std::string>>(std::vector<std::string>{"a", "b", "c"});
    list.ShowRows(texts, {2, 0});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"c", "a"}));
    EXPECT_EQ(&list.Item(0), &(*texts)[2]);
    EXPECT_THROW(list.Item(2), Error);
    list.ShowAll(texts);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(&list.Item(1), &(*texts)[1]);

    list.ShowRows(texts, {1, 2});
    list.ClickItem(1);
    list.Insert(0, "new");
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
    list.Remove(1);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"new", "c"}));
    EXPECT_NE(&list.Item(1), &(*texts)[2]);
    EXPECT_EQ(*texts, (std::vector<std::string>{"a", "b", "c"}));
    list.ShowRows(texts, {});
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CurrentIndex(), -1);
}

TEST(ControlsTest, ClicksSelectLikeAnExtendedSelectionList)
{
    FocusTracker focus;
    FakeList list(focus);
    list.Assign({"a", "b", "c", "d", "e"});
    list.ClickItem(1);
    list.ShiftClickItem(3);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2, 3}));
    list.CtrlClickItem(2);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 3}));
    list.ShiftClickItem(4);  // from the last ctrl-click
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(list.ArrowKey(-1));
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{3});
    EXPECT_TRUE(list.Focused());
}

}  // namespace
}  // namespace veskor::test
