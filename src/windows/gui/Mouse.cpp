#include "gui/Mouse.h"

namespace veskor::gui {

bool IsMouseDown(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

MouseState MouseStateOf(UINT msg, WPARAM wParam)
{
    MouseState state;
    state.left = (wParam & MK_LBUTTON) != 0;
    state.right = (wParam & MK_RBUTTON) != 0;
    state.middle = (wParam & MK_MBUTTON) != 0;
    state.shift = (wParam & MK_SHIFT) != 0;
    state.ctrl = (wParam & MK_CONTROL) != 0;
    state.alt = GetKeyState(VK_MENU) < 0;
    state.doubleClick = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
    return state;
}

}  // namespace veskor::gui
