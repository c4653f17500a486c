// Writes or reads a shortcut file for the GUI tests, through the shell-link object.
//   mklink LINK TARGET [ARGUMENTS [WORKING-DIRECTORY [HOTKEY]]]   writes LINK
//   mklink --read LINK                                           prints it in UTF-8:
//     target=..., arguments=..., directory=..., hotkey=0x.... (one per line)
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shellapi.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

void Print(const char* label, const wchar_t* value)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, value, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, value, -1, text.data(), size, nullptr, nullptr);
    std::printf("%s=%s\n", label, text.c_str());
}

int Read(IShellLinkW* link, IPersistFile* file, const wchar_t* path)
{
    if (FAILED(file->Load(path, STGM_READ))) {
        std::fprintf(stderr, "mklink: cannot read the link\n");
        return 1;
    }
    wchar_t text[MAX_PATH * 4] = {};
    link->GetPath(text, MAX_PATH * 4, nullptr, SLGP_RAWPATH);
    Print("target", text);
    text[0] = 0;
    link->GetArguments(text, MAX_PATH * 4);
    Print("arguments", text);
    text[0] = 0;
    link->GetWorkingDirectory(text, MAX_PATH * 4);
    Print("directory", text);
    WORD hotkey = 0;
    link->GetHotkey(&hotkey);
    std::printf("hotkey=0x%04x\n", hotkey);
    return 0;
}

int Write(IShellLinkW* link, IPersistFile* file, int argc, wchar_t** argv)
{
    link->SetPath(argv[2]);
    if (argc > 3)
        link->SetArguments(argv[3]);
    if (argc > 4)
        link->SetWorkingDirectory(argv[4]);
    if (argc > 5)
        link->SetHotkey(static_cast<WORD>(std::wcstoul(argv[5], nullptr, 0)));
    if (FAILED(file->Save(argv[1], TRUE))) {
        std::fprintf(stderr, "mklink: cannot save the link\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const bool read = argc == 3 && std::wcscmp(argv[1], L"--read") == 0;
    if (!read && argc < 3) {
        std::fprintf(stderr, "usage: mklink LINK TARGET [ARGUMENTS [DIRECTORY [HOTKEY]]] | mklink --read LINK\n");
        return 2;
    }
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    int result = 1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        result = read ? Read(link, file, argv[2]) : Write(link, file, argc, argv);
    } else {
        std::fprintf(stderr, "mklink: no shell-link object\n");
    }
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    LocalFree(argv);
    return result;
}
