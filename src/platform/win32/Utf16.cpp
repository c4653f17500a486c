#include "platform/win32/Utf16.h"

namespace veskor::win32 {

namespace {

std::wstring Widen(UINT codePage, const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::wstring WidenAnsi(const std::string& text) { return Widen(CP_ACP, text); }

bool WidenAnsiPath(const std::string& path, DWORD flags, int room, std::wstring& wide)
{
    wide.assign(static_cast<size_t>(room) + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, flags, path.c_str(), -1, wide.data(), room);
    if (length == 0)
        return false;
    wide.resize(static_cast<size_t>(length - 1));
    return true;
}

bool NarrowAnsiExactly(const std::wstring& text, std::string& narrow)
{
    narrow.clear();
    if (text.empty())
        return true;
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr,
                                           &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    narrow.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(), length, nullptr, nullptr);
    // A best-fit look-alike raises no flag where the flag is not honoured: only the way back tells.
    return WidenAnsi(narrow) == text;
}

std::wstring WidenJapanese(const std::string& text) { return Widen(JapaneseCodePage, text); }

std::string NarrowJapanese(const std::wstring& text, bool* lossless)
{
    if (lossless)
        *lossless = true;
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = lossless ? &usedDefault : nullptr;
    std::string narrow(static_cast<size_t>(WideCharToMultiByte(JapaneseCodePage, 0, text.data(), size, nullptr, 0,
                                                               nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(JapaneseCodePage, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                        nullptr, usedDefaultOut);
    if (lossless)
        *lossless = !usedDefault;
    return narrow;
}

int WideLengthOfJapanese(const std::string& text, size_t bytes)
{
    if (bytes == 0)
        return 0;
    return MultiByteToWideChar(JapaneseCodePage, 0, text.data(), static_cast<int>(bytes), nullptr, 0);
}

int JapaneseLengthOfWide(const std::wstring& text, size_t units)
{
    if (units == 0)
        return 0;
    return WideCharToMultiByte(JapaneseCodePage, 0, text.data(), static_cast<int>(units), nullptr, 0, nullptr,
                               nullptr);
}

}  // namespace veskor::win32
