// Puts TEXT into the launcher's Edit1 the way an input method commits it: one WM_CHAR
// per UTF-16 unit, replacing the selection, with no key press or release of its own.
//   typechars TEXT
// The GUI tests use it for Japanese text: xdotool types such a character by binding it
// to a spare key for a moment, and Wine often reads that key after the binding is gone,
// so the character or its key release is lost.
// Exits 1 when the launcher's window cannot be found.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "form/Layout.h"

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 2) {
        std::fprintf(stderr, "usage: typechars TEXT\n");
        return 2;
    }
    HWND window = FindWindowW(L"veskor3.TForm1", nullptr);
    if (!window) {
        std::fprintf(stderr, "typechars: no launcher window\n");
        return 1;
    }
    HWND edit1 = GetDlgItem(window, veskor::layout::ControlIdOf(veskor::layout::Edit1Index));
    for (const wchar_t* c = argv[1]; *c; ++c) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(edit1, WM_CHAR, *c, 1, SMTO_ABORTIFHUNG, 2000, &result);
    }
    LocalFree(argv);
    return 0;
}
