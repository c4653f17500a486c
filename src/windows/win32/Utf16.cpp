#include "win32/Utf16.h"

namespace veskor::win32 {

namespace {

// `count` units from `text`, as CP932 exactly; false when CP932 cannot spell them so.
bool NarrowExactly(const wchar_t* text, int count, std::string& narrow)
{
    narrow.clear();
    if (count == 0)
        return true;
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(JapaneseCodePage, WC_NO_BEST_FIT_CHARS, text, count, nullptr, 0, nullptr,
                                           &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    narrow.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(JapaneseCodePage, WC_NO_BEST_FIT_CHARS, text, count, narrow.data(), length, nullptr, nullptr);
    // A best-fit look-alike raises no flag where the flag is not honoured: only the way back tells.
    return WidenJapanese(narrow) == std::wstring(text, static_cast<size_t>(count));
}

}  // namespace

std::wstring WidenJapanese(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(JapaneseCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(JapaneseCodePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

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

bool NarrowJapaneseExactly(const std::wstring& text, std::string& narrow)
{
    return NarrowExactly(text.data(), static_cast<int>(text.size()), narrow);
}

// Most texts are CP932 throughout and take one conversion; the others go a character (a
// surrogate pair counts as one) at a time.
ExactText NarrowExact(const std::wstring& text)
{
    std::string narrow;
    if (NarrowJapaneseExactly(text, narrow))
        return ExactText(std::move(narrow));
    ExactText exact;
    for (size_t i = 0; i < text.size();) {
        const bool pair = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]);
        const int count = pair ? 2 : 1;
        if (NarrowExactly(text.data() + i, count, narrow))
            exact.Append(narrow);
        else
            exact.AppendUnwritable(std::u16string(text.begin() + static_cast<std::ptrdiff_t>(i),
                                                  text.begin() + static_cast<std::ptrdiff_t>(i) + count));
        i += static_cast<size_t>(count);
    }
    return exact;
}

std::wstring WidenExact(const ExactText& text)
{
    const std::string& cp932 = text.Text();
    std::wstring wide;
    size_t from = 0;
    for (const ExactText::Unwritable& kept : text.Unwritables()) {
        wide += WidenJapanese(cp932.substr(from, kept.at - from));
        wide.append(kept.units.begin(), kept.units.end());
        from = kept.at + 1;
    }
    return wide + WidenJapanese(cp932.substr(from));
}

void LowerJapanese(std::string& text)
{
    std::wstring wide = WidenJapanese(text);
    if (wide.empty())
        return;
    CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    // CP932 keeps both letter cases of a character at the same length; bytes that are no
    // CP932 stay as they are.
    std::string lower = NarrowJapanese(wide);
    if (lower.size() == text.size())
        text = std::move(lower);
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
