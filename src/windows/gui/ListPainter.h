#pragma once
#include <string>
#include <utility>
#include <vector>

#include "win32/Win32Api.h"

namespace veskor::gui {

// What one row shows. The painter draws a row from it and remembers it, to know after a
// refill which rows on the screen must be painted again.
struct RowLook {
    bool hasText = false;  // a row below the last entry shows nothing
    bool selected = false;
    bool focusDrawn = false;
    bool unavailable = false;  // its entry cannot be started: drawn greyed
    std::string text;
    bool operator==(const RowLook&) const = default;
};

// Paints the history list's owner-drawn rows in the system's colours, erases the space
// below them, and after a refill invalidates only the rows whose look changes.
class ListPainter {
public:
    explicit ListPainter(HWND list = nullptr, HFONT font = nullptr) : list_(list), font_(font) {}

    void SetFont(HFONT font) { font_ = font; }

    // Draws the row at `index` (-1: none, only the focus rectangle) inside `rect`.
    void Paint(HDC dc, const RECT& rect, int index, const RowLook& look);
    // Erases the part of the client area below the last of `count` rows.
    void EraseBelowRows(HDC dc, int count) const;
    // Invalidates each row shown from the top whose look is not `lookOf(index)`. The look of
    // a row is not known while the list has the focus (the caret's row may show it).
    template <class LookOf>
    void InvalidateChangedRows(bool focused, LookOf lookOf) const;

private:
    struct Shown {
        int top;
        int rowHeight;
        int rows;
        LONG width;
    };
    Shown Screen() const;
    bool Remembered(int row, const RowLook& look) const;
    void Invalidate(int row, const Shown& screen, bool erase) const;

    HWND list_;
    HFONT font_;
    // What each row on the screen showed when it was last drawn, from the row paintedTop_
    // down. A scroll or a change of the top row forgets it all: unknown rows are repainted.
    std::vector<std::pair<bool, RowLook>> painted_;
    int paintedTop_ = 0;
};

template <class LookOf>
void ListPainter::InvalidateChangedRows(bool focused, LookOf lookOf) const
{
    const Shown screen = Screen();
    const bool knownTop = screen.top == paintedTop_ && !focused;
    for (int row = 0; row < screen.rows; ++row) {
        const RowLook look = lookOf(screen.top + row);
        if (!knownTop || !Remembered(row, look))
            Invalidate(row, screen, !look.hasText);  // the space below the rows is erased
    }
}

}  // namespace veskor::gui
