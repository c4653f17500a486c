#include "platform/win32/gui/Text.h"

namespace veskor::gui {

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CodePage, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CodePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(const std::wstring& text, bool* lossless)
{
    if (lossless)
        *lossless = true;
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = lossless ? &usedDefault : nullptr;
    std::string narrow(
        static_cast<size_t>(WideCharToMultiByte(CodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CodePage, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                        usedDefaultOut);
    if (lossless)
        *lossless = !usedDefault;
    return narrow;
}

int WideLength(const std::string& text, size_t bytes)
{
    if (bytes == 0)
        return 0;
    return MultiByteToWideChar(CodePage, 0, text.data(), static_cast<int>(bytes), nullptr, 0);
}

int NarrowLength(const std::wstring& text, size_t units)
{
    if (units == 0)
        return 0;
    return WideCharToMultiByte(CodePage, 0, text.data(), static_cast<int>(units), nullptr, 0, nullptr, nullptr);
}

std::wstring WindowTextOf(HWND hwnd)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace veskor::gui
