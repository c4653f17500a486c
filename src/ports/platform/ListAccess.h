#pragma once
#include <vector>

// What assistive technology is told about the history list, computed from what the list
// control knows. Rows are 0-based; the accessibility interface names them by child ids,
// 1-based, with 0 for the list itself. The flag values are the system's own (MSAA).
namespace veskor::access {

constexpr int Self = 0;
inline int ChildOf(int row) { return row + 1; }
inline int RowOf(int child) { return child - 1; }

namespace state {
constexpr unsigned Unavailable = 0x1, Selected = 0x2, Focused = 0x4, Invisible = 0x8000, Offscreen = 0x10000, Focusable = 0x100000,
                   Selectable = 0x200000, MultiSelectable = 0x1000000, ExtSelectable = 0x2000000;
}
namespace nav {
constexpr int Up = 1, Down = 2, Left = 3, Right = 4, Next = 5, Previous = 6, FirstChild = 7, LastChild = 8;
}
namespace flag {
constexpr unsigned TakeFocus = 0x1, TakeSelection = 0x2, ExtendSelection = 0x4, AddSelection = 0x8,
                   RemoveSelection = 0x10;
}

// The list at one moment.
struct ListView {
    int count = 0;
    int caret = -1;   // the row with the focus rectangle, -1 for none
    int anchor = -1;  // where an extended selection starts, -1 for none
    int top = 0;      // the first row shown
    int rows = 0;     // rows that fit the list's height, a partly shown one included
    bool focused = false;
    bool shown = true;
};

// Rows that fit `height` pixels, the last one perhaps partly.
int VisibleRows(int height, int rowHeight);

unsigned ListState(const ListView& list);
// `unavailable`: the row's entry cannot be started (its shortcut or target is gone).
unsigned RowState(const ListView& list, int row, bool selected, bool unavailable = false);

// The child reached from `child` in direction `dir`; Self when there is none there;
// -1 for a request the list cannot answer (an unknown direction, a child's children).
int Navigate(const ListView& list, int child, int dir);

// The row at `y` pixels below the list's client top, -1 below the last row.
int RowAt(const ListView& list, int y, int rowHeight);

// What accSelect does to the list, as the user's click, Ctrl+click and Shift+click do.
struct SelectPlan {
    bool valid = false;
    bool takeFocus = false;   // the keyboard focus goes to the list
    bool clearAll = false;    // first every row loses its selection
    int from = -1, to = -1;   // then these rows (from <= to; -1 none) are selected or not
    bool select = true;
    int caret = -1;           // the caret moves here (-1: stays)
    int anchor = -1;          // the anchor moves here (-1: stays)
    bool changesSelection = false;
};
SelectPlan PlanSelect(const ListView& list, int row, unsigned flags, bool anchorSelected);

// The event that tells a change of the selection from `before` to `after` (both sorted).
struct SelectionEvent {
    enum Kind { None, Selection, Add, Remove, Within } kind = None;
    int child = Self;
};
SelectionEvent SelectionChange(const std::vector<int>& before, const std::vector<int>& after);

}  // namespace veskor::access
