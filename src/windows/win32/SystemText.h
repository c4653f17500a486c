#pragma once
#include <string>

#include "text/Error.h"
#include "win32/Win32Api.h"

namespace veskor::win32 {

// The system's own text for an error code, ready to sit inside a sentence: trailing
// line breaks, blanks and full stops cut off. Empty when the system has no text.
std::string SystemMessage(DWORD code);

// A failed COM call, worded by veskor::OleError with the system's text for the result.
Error OleError(HRESULT result);

// A failed system call, worded by SystemCallError with the system's text for the code.
Error OsError(DWORD code);

// The full path that error texts name, also for a path given relative to the current directory.
std::string FullPath(const std::string& path);

}  // namespace veskor::win32
