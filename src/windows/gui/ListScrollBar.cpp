#include "gui/ListScrollBar.h"

#include <algorithm>
#include <cstring>

namespace veskor::gui {

namespace {

SCROLLBARINFO BarOf(HWND list)
{
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    return bar;
}

}  // namespace

void ListScrollBar::Heard(UINT msg, WPARAM wParam)
{
    if (msg == WM_SETREDRAW)
        drawingOff_ = !wParam;
    if (!drawingOff_)
        Follow();
}

void ListScrollBar::Follow()
{
    if (!IsWindow(list_))
        return;
    RECT client{};
    GetClientRect(list_, &client);
    const int count = static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0));
    const int rowHeight = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    // A page is the rows shown whole, as the list pages by them.
    const int page = std::max(1, rowHeight > 0 ? static_cast<int>(client.bottom) / rowHeight : 1);
    if (count != count_ || top != top_ || page != page_) {
        count_ = count;
        top_ = top;
        page_ = page;
        const SCROLLBARINFO before = BarOf(list_);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = std::max(0, count - 1);
        info.nPage = static_cast<UINT>(page);
        info.nPos = top;
        // Showing or hiding the bar changes the list's frame, which repaints it whole.
        SetScrollInfo(list_, SB_VERT, &info, FALSE);
        SCROLLBARINFO after = BarOf(list_);
        if (std::memcmp(&before, &after, sizeof after) != 0 && !(after.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
            MapWindowPoints(nullptr, list_, reinterpret_cast<POINT*>(&after.rcScrollBar), 2);
            RedrawWindow(list_, &after.rcScrollBar, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
    }
}

}  // namespace veskor::gui
