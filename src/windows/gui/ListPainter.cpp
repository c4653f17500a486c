#include "gui/ListPainter.h"

#include <algorithm>

#include "platform/ListAccess.h"
#include "gui/Text.h"

namespace veskor::gui {

void ListPainter::Paint(HDC dc, const RECT& rect, int index, const RowLook& look)
{
    FillRect(dc, &rect, GetSysColorBrush(look.selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (look.hasText) {
        const std::wstring text = win32::WidenJapanese(look.text);
        HGDIOBJ oldFont = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        // An entry that cannot be started is drawn as the system draws what is unavailable.
        SetTextColor(dc, GetSysColor(look.selected      ? COLOR_HIGHLIGHTTEXT
                                     : look.unavailable ? COLOR_GRAYTEXT
                                                        : COLOR_WINDOWTEXT));
        RECT textRect = rect;
        textRect.left += 2;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
    }
    if (look.focusDrawn)
        DrawFocusRect(dc, &rect);
    if (index < 0)
        return;
    const int top = static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0));
    if (top != paintedTop_) {
        painted_.clear();
        paintedTop_ = top;
    }
    const int row = index - top;
    if (row < 0 || row > 256)
        return;
    if (static_cast<size_t>(row) >= painted_.size())
        painted_.resize(static_cast<size_t>(row) + 1);
    painted_[static_cast<size_t>(row)] = {true, look};
}

// The rows paint their whole background themselves: erasing them first would only make
// them flash white each time the list is refilled.
void ListPainter::EraseBelowRows(HDC dc, int count) const
{
    RECT rest;
    GetClientRect(list_, &rest);
    const long long top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
    const long long rowHeight = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
    const long long rowsBottom = (count - top) * rowHeight;
    rest.top = static_cast<LONG>(std::clamp<long long>(rowsBottom, 0, rest.bottom));
    FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
}

ListPainter::Shown ListPainter::Screen() const
{
    RECT client{};
    GetClientRect(list_, &client);
    const int rowHeight = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    return {static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0)), rowHeight,
            access::VisibleRows(client.bottom, rowHeight), client.right};
}

bool ListPainter::Remembered(int row, const RowLook& look) const
{
    return static_cast<size_t>(row) < painted_.size() && painted_[static_cast<size_t>(row)].first &&
           painted_[static_cast<size_t>(row)].second == look;
}

void ListPainter::Invalidate(int row, const Shown& screen, bool erase) const
{
    const RECT rect{0, row * screen.rowHeight, screen.width, (row + 1) * screen.rowHeight};
    InvalidateRect(list_, &rect, erase);
}

}  // namespace veskor::gui
