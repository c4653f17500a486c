#include "platform/win32/Win32Platform.h"

namespace veskor {

int Win32Platform::CompareText(const std::string& a, const std::string& b) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

void Win32Platform::LowerCase(std::string& text) const
{
    // Pure ASCII lowers the same in every ANSI code page and is most of a history:
    // doing it here spares a round trip through UTF-16 per entry.
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
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
}

}  // namespace veskor
