#pragma once
#include "platform/win32/Win32Api.h"

#include <string>

// The controls hold UTF-16; the program's texts are CP932 bytes. These convert at the
// boundary, always with code page 932, whatever the system's ANSI code page is.
namespace veskor::gui {

constexpr UINT CodePage = 932;

std::wstring Widen(const std::string& text);
// Characters that CP932 cannot hold become "?"; `lossless` (when given) tells whether any did.
std::string Narrow(const std::wstring& text, bool* lossless = nullptr);

// UTF-16 length of the first `bytes` bytes of `text` (a character boundary).
int WideLength(const std::string& text, size_t bytes);
// CP932 length of the first `units` UTF-16 units of `text`.
int NarrowLength(const std::wstring& text, size_t units);

std::wstring WindowTextOf(HWND hwnd);

}  // namespace veskor::gui
