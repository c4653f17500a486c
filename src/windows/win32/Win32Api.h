#pragma once
// windows.h without the two macros that would rename Platform's DeleteFile and CopyFile
// in every file that sees both.
#include <windows.h>

#undef DeleteFile
#undef CopyFile
