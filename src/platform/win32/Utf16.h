#pragma once
#include <string>

#include "platform/win32/Win32Api.h"

// Every conversion between the program's byte strings and UTF-16. Two kinds of byte text
// meet UTF-16, and they differ in their code page:
// - the system's ANSI text: paths handed to the system's byte-string ("A") calls, which read
//   them in the system's ANSI code page; a path passed to a UTF-16 call beside them must be
//   converted with that same code page, or the two calls would name different files;
// - the program's own Japanese text: the captions, the title, the list rows and the edit text
//   that the controls show, and what the user types or drops into them. It is CP932 because
//   the program's texts are compiled as CP932, so it is converted with 932 whatever code page
//   the system runs.
// On a Japanese system both are code page 932; elsewhere only ASCII means the same in both.
namespace veskor::win32 {

// The system's ANSI text as UTF-16.
std::wstring WidenAnsi(const std::string& text);

// The system's ANSI path, up to its first NUL, into `wide` as UTF-16 that fits a buffer of
// `room` units with its terminator, converted with `flags`. False when it fails or does not
// fit; GetLastError then says why.
bool WidenAnsiPath(const std::string& path, DWORD flags, int room, std::wstring& wide);

// UTF-16 as the system's ANSI text, into `narrow`. False when the code page cannot spell
// every character exactly (it would put "?" or a look-alike in its place).
bool NarrowAnsiExactly(const std::wstring& text, std::string& narrow);

constexpr UINT JapaneseCodePage = 932;

// The program's Japanese text as UTF-16.
std::wstring WidenJapanese(const std::string& text);
// UTF-16 as the program's Japanese text. Characters that CP932 cannot hold become "?";
// `lossless` (when given) tells whether any did.
std::string NarrowJapanese(const std::wstring& text, bool* lossless = nullptr);

// UTF-16 length of the first `bytes` bytes of the Japanese `text` (a character boundary).
int WideLengthOfJapanese(const std::string& text, size_t bytes);
// CP932 length of the first `units` UTF-16 units of `text`.
int JapaneseLengthOfWide(const std::wstring& text, size_t units);

}  // namespace veskor::win32
