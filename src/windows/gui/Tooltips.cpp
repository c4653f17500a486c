#include "gui/Tooltips.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "win32/SystemDlls.h"

namespace veskor::gui {

namespace {

TTTOOLINFOW ToolInfo(HWND owner, HWND tool, std::wstring& text)
{
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text.data();
    return info;
}

}  // namespace

Tooltips::~Tooltips()
{
    if (hwnd_ && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

void Tooltips::Add(HWND tool, std::wstring& text) const
{
    TTTOOLINFOW info = ToolInfo(owner_, tool, text);
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::Set(HWND tool, const std::wstring& text)
{
    auto known = std::find_if(tools_.begin(), tools_.end(), [tool](const auto& entry) { return entry.first == tool; });
    if (known != tools_.end()) {
        if (hwnd_) {
            TTTOOLINFOW info = ToolInfo(owner_, tool, known->second);
            SendMessageW(hwnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
        tools_.erase(known);
    }
    if (text.empty())
        return;
    tools_.emplace_back(tool, text);
    if (hwnd_)
        Add(tool, tools_.back().second);
}

void Tooltips::SetFont(HFONT font)
{
    font_ = font;
    if (hwnd_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

void Tooltips::PointerMoved(HWND tool, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd_ || msg != WM_MOUSEMOVE)
        return;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
    VESKOR_SYSTEM_FUNCTION(L"comctl32.dll", InitCommonControlsEx)(&classes);
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE)), nullptr);
    if (!hwnd_)
        return;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (auto& [known, text] : tools_)
        Add(known, text);
    MSG message{tool, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD position = GetMessagePos();
    message.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SendMessageW(hwnd_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

}  // namespace veskor::gui
