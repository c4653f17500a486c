// A program for the launcher to start: it appends one line saying how it was started
// and exits. The log is the file named by VESKOR_RECORDER_LOG, or recorder.log next to
// this program. Each line, in UTF-8, tab-separated: the process's creation time (100 ns
// units, for the order of several launches), the arguments as the command line holds
// them, and the working directory.
#include <windows.h>

#include "Utf8.h"

#include <string>

namespace {

// The command line without the program's own name.
std::wstring Arguments()
{
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p)
            ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}

std::wstring LogPath()
{
    wchar_t buffer[32768];
    if (GetEnvironmentVariableW(L"VESKOR_RECORDER_LOG", buffer, 32768) > 0)
        return buffer;
    GetModuleFileNameW(nullptr, buffer, 32768);
    std::wstring path = buffer;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"recorder.log";
}

unsigned long long CreationTime()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    wchar_t directory[32768];
    GetCurrentDirectoryW(32768, directory);
    const std::string line =
        std::to_string(CreationTime()) + "\t" + Utf8(Arguments()) + "\t" + Utf8(directory) + "\n";

    // Several copies may start at once: wait for the file rather than share it.
    const std::wstring log = LogPath();
    for (int attempt = 0; attempt < 500; ++attempt) {
        HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return written == line.size() ? 0 : 1;
        }
        Sleep(10);
    }
    return 1;
}
