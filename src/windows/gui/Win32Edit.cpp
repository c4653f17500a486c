#include "gui/Win32Edit.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "text/Cp932.h"
#include "gui/Text.h"

namespace veskor::gui {

HWND Win32Edit::Create(const ControlPlace& place)
{
    HWND hwnd = CreateChild(place, L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    AddSubclass(hwnd, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
    return hwnd;
}

namespace {

// Code page 932 holds no vowel with a macron or a circumflex, which Hepburn prints (Tōkyō)
// and a paste or a keyboard may bring: the field spells each out as romaji types the long
// vowel (Toukyou), so that it shows the very text that is searched for and started, and
// its selection stays where the user left it.
void SpellOutMarkedVowels(HWND hwnd)
{
    const std::wstring text = WindowTextOf(hwnd);
    const std::u16string spelled = LongVowelsSpelled(std::u16string(text.begin(), text.end()));
    if (spelled.size() == text.size())
        return;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto spelledAt = [&text](DWORD units) {
        const auto before = static_cast<std::ptrdiff_t>(std::min<size_t>(units, text.size()));
        return LongVowelsSpelled(std::u16string(text.begin(), text.begin() + before)).size();
    };
    SetWindowTextW(hwnd, std::wstring(spelled.begin(), spelled.end()).c_str());
    SendMessageW(hwnd, EM_SETSEL, spelledAt(start), static_cast<LPARAM>(spelledAt(end)));
}

}  // namespace

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
    // Every way a user changes the text: keys (Ctrl+V, Shift+Insert), the input method, the
    // context menu, paste and undo messages.
    if (msg == WM_CHAR || msg == WM_KEYDOWN || msg == WM_IME_CHAR || msg == WM_IME_COMPOSITION ||
        msg == WM_CONTEXTMENU || msg == WM_PASTE || msg == WM_UNDO || msg == EM_UNDO)
        SpellOutMarkedVowels(hwnd);
    // Taking the focus selects the whole text, unless a click is placing the caret.
    if (msg == WM_SETFOCUS && !edit->keepSelection_ && GetKeyState(VK_LBUTTON) >= 0)
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
    return result;
}

}  // namespace veskor::gui
