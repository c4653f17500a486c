#pragma once
#include "win32/Utf16.h"
#include "win32/Win32Api.h"

#include <string>

// The controls hold UTF-16; the program's texts are CP932 bytes, converted at the boundary
// as the program's own Japanese text (see Utf16.h).
namespace veskor::gui {

std::wstring WindowTextOf(HWND hwnd);

}  // namespace veskor::gui
