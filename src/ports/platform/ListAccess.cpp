#include "platform/ListAccess.h"

#include <algorithm>
#include <iterator>

namespace veskor::access {

int VisibleRows(int height, int rowHeight)
{
    if (height <= 0 || rowHeight <= 0)
        return 0;
    return (height + rowHeight - 1) / rowHeight;
}

unsigned ListState(const ListView& list)
{
    unsigned s = state::Focusable | state::MultiSelectable | state::ExtSelectable;
    if (list.focused)
        s |= state::Focused;
    if (!list.shown)
        s |= state::Invisible;
    return s;
}

unsigned RowState(const ListView& list, int row, bool selected, bool unavailable)
{
    unsigned s = state::Focusable | state::Selectable | state::MultiSelectable | state::ExtSelectable;
    if (unavailable)
        s |= state::Unavailable;
    if (selected)
        s |= state::Selected;
    if (list.focused && row == list.caret)
        s |= state::Focused;
    if (!list.shown || row < list.top || row >= list.top + list.rows)
        s |= state::Invisible | state::Offscreen;
    return s;
}

int Navigate(const ListView& list, int child, int dir)
{
    if (dir < nav::Up || dir > nav::LastChild)
        return -1;
    if (child == Self) {
        if (list.count == 0)
            return Self;
        if (dir == nav::FirstChild)
            return ChildOf(0);
        return dir == nav::LastChild ? ChildOf(list.count - 1) : Self;
    }
    switch (dir) {
    case nav::Down:
    case nav::Next: return child < list.count ? child + 1 : Self;
    case nav::Up:
    case nav::Previous: return child > 1 ? child - 1 : Self;
    case nav::FirstChild:
    case nav::LastChild: return -1;
    default: return Self;
    }
}

int RowAt(const ListView& list, int y, int rowHeight)
{
    if (y < 0 || rowHeight <= 0)
        return -1;
    const long long row = list.top + static_cast<long long>(y / rowHeight);
    return row < list.count ? static_cast<int>(row) : -1;
}

SelectPlan PlanSelect(const ListView& list, int row, unsigned flags, bool anchorSelected)
{
    SelectPlan plan;
    constexpr unsigned all =
        flag::TakeFocus | flag::TakeSelection | flag::ExtendSelection | flag::AddSelection | flag::RemoveSelection;
    const bool add = flags & flag::AddSelection, remove = flags & flag::RemoveSelection;
    const bool take = flags & flag::TakeSelection, extend = flags & flag::ExtendSelection;
    if ((flags & ~all) || row < 0 || row >= list.count || (add && remove) || (take && (add || remove || extend)))
        return plan;
    plan.valid = true;
    if (flags & flag::TakeFocus) {
        plan.takeFocus = true;
        plan.caret = row;
    }
    if (extend) {
        const int anchor = list.anchor >= 0 && list.anchor < list.count ? list.anchor : row;
        plan.from = std::min(anchor, row);
        plan.to = std::max(anchor, row);
        plan.select = add || (!remove && anchorSelected);
    } else if (take || add || remove) {
        plan.clearAll = take;
        plan.from = plan.to = row;
        plan.select = !remove;
        if (plan.takeFocus)
            plan.anchor = row;
    }
    plan.changesSelection = plan.from >= 0;
    return plan;
}

SelectionEvent SelectionChange(const std::vector<int>& before, const std::vector<int>& after)
{
    if (before == after)
        return {};
    if (after.size() == 1)
        return {SelectionEvent::Selection, ChildOf(after.front())};
    std::vector<int> added, removed;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(removed));
    if (added.size() == 1 && removed.empty())
        return {SelectionEvent::Add, ChildOf(added.front())};
    if (removed.size() == 1 && added.empty())
        return {SelectionEvent::Remove, ChildOf(removed.front())};
    return {SelectionEvent::Within, Self};
}

}  // namespace veskor::access
