// Drops files on the launcher's window as the shell does once a drag ends over it: a
// DROPFILES block (UTF-16 paths) in a global memory object, posted as WM_DROPFILES.
//   dropfiles PATH...
// Exits 1 when the window cannot be found or the message cannot be posted.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dropfiles PATH...\n");
        return 2;
    }
    HWND window = FindWindowW(L"veskor3.TForm1", nullptr);
    if (!window) {
        std::fprintf(stderr, "dropfiles: no launcher window\n");
        return 1;
    }
    // The paths follow the header, each ended by a NUL, the list by one more.
    std::wstring paths;
    for (int i = 1; i < argc; ++i) {
        paths += argv[i];
        paths += L'\0';
    }
    paths += L'\0';
    const size_t size = sizeof(DROPFILES) + paths.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND | GMEM_SHARE, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = POINT{20, 40};
    drop->fNC = FALSE;
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), paths.data(), paths.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    LocalFree(argv);
    if (!PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) {
        std::fprintf(stderr, "dropfiles: the message could not be posted\n");
        GlobalFree(memory);
        return 1;
    }
    return 0;
}
