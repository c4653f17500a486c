#pragma once
#include <string>

#include "platform/ExactText.h"
#include "win32/Win32Api.h"

// Every conversion between the program's byte strings and UTF-16. The program's text is
// CP932 (its own texts are compiled as CP932, and so is every name and path it stores), so
// it is converted with code page 932 whatever code page the system runs: the program calls
// only the system's UTF-16 ("W") functions, and the system's ANSI code page plays no part.
namespace veskor::win32 {

constexpr UINT JapaneseCodePage = 932;

// The program's Japanese text as UTF-16.
std::wstring WidenJapanese(const std::string& text);
// UTF-16 as the program's Japanese text. Characters that CP932 cannot hold become "?";
// `lossless` (when given) tells whether any did.
std::string NarrowJapanese(const std::wstring& text, bool* lossless = nullptr);

// UTF-16 as CP932 into `narrow`. False when CP932 cannot spell every character exactly (it
// would put "?" or a look-alike in its place).
bool NarrowJapaneseExactly(const std::wstring& text, std::string& narrow);

// What the system holds, carried whole: each character that CP932 cannot spell exactly is
// kept beside its "?". And back, exactly as it came.
ExactText NarrowExact(const std::wstring& text);
std::wstring WidenExact(const ExactText& text);

// Lower-cases CP932 text in place by the system's rules, as CharLowerBuffA does on a
// system whose code page is 932: through UTF-16 and back.
void LowerJapanese(std::string& text);

// UTF-16 length of the first `bytes` bytes of the Japanese `text` (a character boundary).
int WideLengthOfJapanese(const std::string& text, size_t bytes);
// CP932 length of the first `units` UTF-16 units of `text`.
int JapaneseLengthOfWide(const std::wstring& text, size_t units);

}  // namespace veskor::win32
