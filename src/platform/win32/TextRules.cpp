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
    if (!text.empty())
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
}

}  // namespace veskor
