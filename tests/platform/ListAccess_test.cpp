#include "platform/ListAccess.h"

#include <gtest/gtest.h>

namespace veskor::access {
namespace {

// Ten entries, rows 3..6 shown, the caret on row 4 and the anchor on row 2.
ListView Scrolled(bool focused = true)
{
    ListView list;
    list.count = 10;
    list.caret = 4;
    list.anchor = 2;
    list.top = 3;
    list.rows = 4;
    list.focused = focused;
    return list;
}

constexpr unsigned Always = state::Focusable | state::Selectable | state::MultiSelectable | state::ExtSelectable;
constexpr unsigned Hidden = state::Invisible | state::Offscreen;

TEST(ListAccessTest, ARowIsFocusedOnlyAtTheCaretOfAFocusedListAndHiddenOutsideTheShownRows)
{
    struct Case {
        int row;
        bool selected, focused;
        unsigned expected;
        bool unavailable = false;
    } cases[] = {
        {4, false, true, Always | state::Focused},
        {4, true, false, Always | state::Selected},
        {3, true, true, Always | state::Selected},
        {6, false, true, Always},
        {2, false, true, Always | Hidden},
        {7, true, true, Always | state::Selected | Hidden},
        {5, true, true, Always | state::Selected | state::Unavailable, true},  // still selectable, greyed
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowState(Scrolled(c.focused), c.row, c.selected, c.unavailable), c.expected) << "row " << c.row;

    ListView back = Scrolled();
    back.shown = false;
    EXPECT_EQ(RowState(back, 4, false), Always | state::Focused | Hidden);
    EXPECT_EQ(ListState(back) & state::Invisible, state::Invisible);
    EXPECT_EQ(ListState(Scrolled()), state::Focusable | state::MultiSelectable | state::ExtSelectable | state::Focused);
    back.caret = -1;
    EXPECT_EQ(RowState(back, 4, false) & state::Focused, 0u);
}

TEST(ListAccessTest, VisibleRowsCountAPartlyShownRowAndRowAtFindsTheRowUnderAPoint)
{
    EXPECT_EQ(VisibleRows(104, 12), 9);
    EXPECT_EQ(VisibleRows(108, 12), 9);
    EXPECT_EQ(VisibleRows(0, 12), 0);
    EXPECT_EQ(VisibleRows(50, 0), 0);
    const ListView list = Scrolled();
    EXPECT_EQ(RowAt(list, 0, 12), 3);
    EXPECT_EQ(RowAt(list, 25, 12), 5);
    EXPECT_EQ(RowAt(list, 12 * 6 + 11, 12), 9);
    EXPECT_EQ(RowAt(list, 12 * 7, 12), -1);  // below the last row
    EXPECT_EQ(RowAt(list, -1, 12), -1);
}

TEST(ListAccessTest, NavigationWalksTheRowsAndEndsAtBothEnds)
{
    const ListView list = Scrolled();
    struct Case {
        int from, dir, expected;
    } cases[] = {
        {Self, nav::FirstChild, 1}, {Self, nav::LastChild, 10}, {Self, nav::Next, Self},
        {1, nav::Next, 2},          {1, nav::Down, 2},          {10, nav::Next, Self},
        {5, nav::Previous, 4},      {5, nav::Up, 4},            {1, nav::Up, Self},
        {5, nav::Left, Self},       {5, nav::Right, Self},      {5, nav::FirstChild, -1},
        {5, 0, -1},                 {5, 9, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Navigate(list, c.from, c.dir), c.expected) << "from " << c.from << " dir " << c.dir;
    ListView empty;
    EXPECT_EQ(Navigate(empty, Self, nav::FirstChild), Self);
}

TEST(ListAccessTest, SelectingActsAsClickCtrlClickAndShiftClick)
{
    const ListView list = Scrolled();
    // A click: the caret and the anchor move to the row, which alone is selected.
    SelectPlan click = PlanSelect(list, 7, flag::TakeFocus | flag::TakeSelection, false);
    EXPECT_TRUE(click.valid && click.takeFocus && click.clearAll && click.select && click.changesSelection);
    EXPECT_EQ(click.from, 7);
    EXPECT_EQ(click.to, 7);
    EXPECT_EQ(click.caret, 7);
    EXPECT_EQ(click.anchor, 7);
    // Shift+click from the anchor (row 2) takes the anchor's state over the range.
    SelectPlan range = PlanSelect(list, 5, flag::TakeFocus | flag::ExtendSelection, true);
    EXPECT_TRUE(range.valid && !range.clearAll && range.select);
    EXPECT_EQ(range.from, 2);
    EXPECT_EQ(range.to, 5);
    EXPECT_EQ(range.anchor, -1);
    EXPECT_FALSE(PlanSelect(list, 0, flag::ExtendSelection, false).select);
    EXPECT_TRUE(PlanSelect(list, 0, flag::ExtendSelection | flag::AddSelection, false).select);
    EXPECT_EQ(PlanSelect(list, 0, flag::ExtendSelection, false).from, 0);
    // Ctrl+click adds or removes one row and leaves the others.
    SelectPlan remove = PlanSelect(list, 3, flag::RemoveSelection, true);
    EXPECT_TRUE(remove.valid && !remove.select && !remove.clearAll && !remove.takeFocus);
    EXPECT_EQ(remove.caret, -1);
    EXPECT_EQ(remove.anchor, -1);
    // Focus alone moves the caret and selects nothing.
    SelectPlan focus = PlanSelect(list, 3, flag::TakeFocus, false);
    EXPECT_TRUE(focus.valid && !focus.changesSelection);
    EXPECT_EQ(focus.caret, 3);
}

TEST(ListAccessTest, ContradictoryFlagsAndRowsOutsideTheListAreRefused)
{
    const ListView list = Scrolled();
    const unsigned refused[] = {flag::AddSelection | flag::RemoveSelection,
                                flag::TakeSelection | flag::AddSelection,
                                flag::TakeSelection | flag::ExtendSelection,
                                flag::TakeSelection | flag::RemoveSelection, 0x20};
    for (unsigned flags : refused)
        EXPECT_FALSE(PlanSelect(list, 1, flags, false).valid) << flags;
    EXPECT_FALSE(PlanSelect(list, 10, flag::TakeSelection, false).valid);
    EXPECT_FALSE(PlanSelect(list, -1, flag::TakeSelection, false).valid);
    EXPECT_TRUE(PlanSelect(list, 9, 0, false).valid);
}

TEST(ListAccessTest, ASelectionChangeIsToldAsOneRowAddedRemovedOrChangedWithin)
{
    using Kind = SelectionEvent::Kind;
    struct Case {
        std::vector<int> before, after;
        Kind kind;
        int child;
    } cases[] = {
        {{}, {}, Kind::None, Self},
        {{1, 3}, {1, 3}, Kind::None, Self},
        {{}, {4}, Kind::Selection, 5},
        {{1, 2}, {4}, Kind::Selection, 5},
        {{1}, {1, 3}, Kind::Add, 4},
        {{1, 3, 5}, {1, 5}, Kind::Remove, 4},
        {{1}, {}, Kind::Remove, 2},
        {{1}, {2, 3, 4}, Kind::Within, Self},
        {{1, 2}, {1, 3}, Kind::Within, Self},
    };
    for (const Case& c : cases) {
        const SelectionEvent e = SelectionChange(c.before, c.after);
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_EQ(e.child, c.child);
    }
}

}  // namespace
}  // namespace veskor::access
