#include "platform/win32/gui/Win32Edit.h"

#include <algorithm>

#include "platform/Cp932.h"
#include "platform/win32/gui/Text.h"

namespace veskor::gui {

HWND Win32Edit::Create(const ControlPlace& place)
{
    HWND hwnd = CreateChild(place, L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    AddSubclass(hwnd, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
    return hwnd;
}

Win32Edit::~Win32Edit()
{
    if (IsWindow(hwnd_))
        RemoveSubclass(hwnd_, Subclass, 0);
}

// A field without its window holds no text yet.
std::string Win32Edit::Text() const { return hwnd_ ? win32::NarrowJapanese(WindowTextOf(hwnd_)) : std::string(); }

void Win32Edit::SetText(const std::string& text)
{
    SetWindowTextW(Window(), win32::WidenJapanese(text).c_str());
    SendMessageW(Window(), EM_SETSEL, 0, 0);
}

void Win32Edit::SetSelection(int start, int length)
{
    const std::string text = Text();
    // A position inside a double-byte character moves to its end, so no character is split.
    const ByteRange range = veskor::SelectionBytes(text, start, length);
    const int wideFrom = win32::WideLengthOfJapanese(text, range.from);
    const int wideTo = win32::WideLengthOfJapanese(text, range.to);
    SendMessageW(Window(), EM_SETSEL, static_cast<WPARAM>(wideFrom), static_cast<LPARAM>(wideTo));
}

void Win32Edit::SelectionBytes(int& start, int& end) const
{
    start = end = 0;
    if (!hwnd_)
        return;
    DWORD wideStart = 0;
    DWORD wideEnd = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&wideStart), reinterpret_cast<LPARAM>(&wideEnd));
    const std::wstring text = WindowTextOf(hwnd_);
    start = win32::JapaneseLengthOfWide(text, std::min<size_t>(wideStart, text.size()));
    end = win32::JapaneseLengthOfWide(text, std::min<size_t>(wideEnd, text.size()));
}

int Win32Edit::SelectionStart() const
{
    int start = 0;
    int end = 0;
    SelectionBytes(start, end);
    return start;
}

int Win32Edit::SelectionLength() const
{
    int start = 0;
    int end = 0;
    SelectionBytes(start, end);
    return end - start;
}

void Win32Edit::RestoreFocus()
{
    keepSelection_ = true;
    ::SetFocus(Window());
    keepSelection_ = false;
}

LRESULT CALLBACK Win32Edit::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* edit = reinterpret_cast<Win32Edit*>(self);
    // A composition that the input method leaves behind when the field loses the focus
    // must not keep every later release from filtering: it counts as closed.
    if (msg == WM_IME_STARTCOMPOSITION && edit->onComposition)
        edit->onComposition(true);
    else if ((msg == WM_IME_ENDCOMPOSITION || msg == WM_KILLFOCUS) && edit->onComposition)
        edit->onComposition(false);
    const LRESULT result = DefSubclass(hwnd, msg, wParam, lParam);
    // Taking the focus selects the whole text, unless a click is placing the caret.
    if (msg == WM_SETFOCUS && !edit->keepSelection_ && GetKeyState(VK_LBUTTON) >= 0)
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
    return result;
}

}  // namespace veskor::gui
