#include "win32/Win32Platform.h"

#include "win32/Utf16.h"

namespace veskor {

int Win32Platform::CompareText(const std::string& a, const std::string& b) const
{
    const std::wstring wideA = win32::WidenJapanese(a);
    const std::wstring wideB = win32::WidenJapanese(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), static_cast<int>(wideA.size()),
                          wideB.data(), static_cast<int>(wideB.size())) -
           CSTR_EQUAL;
}

void Win32Platform::LowerCase(std::string& text) const
{
    // Pure ASCII is most of a history: doing it here spares a round trip through UTF-16
    // per entry.
    bool ascii = true;
    for (char& ch : text) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            ascii = false;
            break;
        }
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    if (!ascii)
        win32::LowerJapanese(text);
}

}  // namespace veskor
