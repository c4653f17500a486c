// Drives several copies of the launcher on one data file at once, as F5 held down does, for
// scripts/bench-stress.sh. Each copy is started in the current folder, waits for its window,
// then types a name into the name field and presses Enter (the launch records the name and
// closes the window); error boxes that appear are read and dismissed.
//   stressdriver at-once EXE COUNT START-GAP-MS MAX-DELAY-MS SEED: COUNT copies started
//     START-GAP-MS apart (the keyboard's repeat of a held key); copy i launches "s<i>" a
//     random 0..MAX-DELAY-MS after its window appeared.
//   stressdriver pair EXE GAP-MS: copy 0 launches "s0" as soon as its window appears; copy 1
//     is started GAP-MS after that and launches "s1" as soon as its own window appears.
//   stressdriver hold FILE MS: holds FILE open without sharing for MS ms, as a scanner
//     does, and prints "held" once it holds it.
// Prints in UTF-8, one line a copy: "copy=I name=N closed_ms=MS" (from its Enter until its
// process ended, or "stuck" after 30 s, when it is ended), then one "box=TEXT" line per
// error box it showed.
#include <windows.h>

#include "Utf8.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Copy {
    std::string name;
    DWORD delayMs = 0;
    PROCESS_INFORMATION process{};
    long long closedMs = -1;
    std::vector<std::string> boxes;
    HANDLE entered = nullptr;  // set once its Enter was sent
};

std::wstring Exe;

long long NowMs()
{
    return static_cast<long long>(GetTickCount64());
}

struct Search {
    DWORD pid;
    const wchar_t* className;  // nullptr: any class but a dialog's
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM argument)
{
    auto* search = reinterpret_cast<Search*>(argument);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd))
        return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    const bool dialog = lstrcmpW(name, L"#32770") == 0;
    if (search->className ? !dialog : dialog)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND TopLevelOf(DWORD pid, const wchar_t* className)
{
    Search search{pid, className, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectText(HWND hwnd, LPARAM argument)
{
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (lstrcmpiW(name, L"Static") == 0) {
        wchar_t text[2048] = {};
        GetWindowTextW(hwnd, text, 2048);
        auto* all = reinterpret_cast<std::wstring*>(argument);
        for (wchar_t* c = text; *c; ++c) {
            if (*c == L'\r' || *c == L'\n')
                *c = L'|';
        }
        *all += text;
    }
    return TRUE;
}

// Reads and dismisses the copy's error box, if one is open; true when there was one.
bool DismissBox(Copy& copy)
{
    const HWND box = TopLevelOf(copy.process.dwProcessId, L"#32770");
    if (!box)
        return false;
    std::wstring text;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
    copy.boxes.push_back(Utf8(text));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    // The same box must not be counted twice: wait until it has gone.
    for (int i = 0; i < 200 && IsWindow(box) && IsWindowVisible(box); ++i)
        Sleep(10);
    return true;
}

BOOL CALLBACK FindEdit(HWND hwnd, LPARAM argument)
{
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (lstrcmpiW(name, L"Edit") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(argument) = hwnd;
    return FALSE;
}

bool Start(Copy& copy)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + Exe + L"\"";
    return CreateProcessW(Exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &copy.process) != 0;
}

// Waits for the copy's window, then launches its name and waits for it to end.
DWORD WINAPI Drive(void* argument)
{
    Copy& copy = *static_cast<Copy*>(argument);
    const long long until = NowMs() + 30000;
    HWND window = nullptr;
    HWND edit = nullptr;
    while (!edit && NowMs() < until) {
        if (WaitForSingleObject(copy.process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        if (!DismissBox(copy)) {
            window = TopLevelOf(copy.process.dwProcessId, nullptr);
            if (window)
                EnumChildWindows(window, FindEdit, reinterpret_cast<LPARAM>(&edit));
        }
        if (!edit)
            Sleep(5);
    }
    if (edit) {
        Sleep(copy.delayMs);
        const std::wstring name(copy.name.begin(), copy.name.end());
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG, 5000,
                            &ignored);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    }
    const long long entered = NowMs();
    SetEvent(copy.entered);
    while (WaitForSingleObject(copy.process.hProcess, 5) == WAIT_TIMEOUT) {
        if (NowMs() >= until) {
            TerminateProcess(copy.process.hProcess, 1);
            return 0;
        }
        DismissBox(copy);
    }
    copy.closedMs = NowMs() - entered;
    return 0;
}

void Report(const std::vector<Copy>& copies)
{
    for (size_t i = 0; i < copies.size(); ++i) {
        const Copy& copy = copies[i];
        if (copy.closedMs < 0)
            std::printf("copy=%zu name=%s closed_ms=stuck\n", i, copy.name.c_str());
        else
            std::printf("copy=%zu name=%s closed_ms=%lld\n", i, copy.name.c_str(), copy.closedMs);
        for (const std::string& box : copy.boxes)
            std::printf("box=%s\n", box.c_str());
    }
}

// Each copy is started `gapMs` after the one before it was started, or with `pairs`, after
// the one before it was told to launch.
int Run(std::vector<Copy>& copies, DWORD gapMs, bool pairs)
{
    std::vector<HANDLE> threads;
    for (size_t i = 0; i < copies.size(); ++i) {
        copies[i].entered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (i > 0 && pairs) {
            WaitForSingleObject(copies[i - 1].entered, 30000);
            Sleep(gapMs);
        } else if (i > 0) {
            Sleep(gapMs);
        }
        if (!Start(copies[i])) {
            std::printf("copy=%zu name=%s closed_ms=unstarted\n", i, copies[i].name.c_str());
            return 2;
        }
        threads.push_back(CreateThread(nullptr, 0, Drive, &copies[i], 0, nullptr));
    }
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
    Report(copies);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const std::string mode = argv[1];
    if (mode == "hold") {
        const HANDLE file = CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        CloseHandle(file);
        return 0;
    }
    const std::string exe = argv[2];
    Exe.assign(exe.begin(), exe.end());
    std::vector<Copy> copies;
    if (mode == "at-once" && argc == 7) {
        const int count = std::atoi(argv[3]);
        const int maxDelay = std::atoi(argv[5]);
        std::srand(static_cast<unsigned>(std::atoi(argv[6])));
        copies.resize(static_cast<size_t>(count > 0 ? count : 0));
        for (size_t i = 0; i < copies.size(); ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "s%zu", i);
            copies[i].name = name;
            copies[i].delayMs = static_cast<DWORD>(maxDelay > 0 ? std::rand() % (maxDelay + 1) : 0);
        }
        return Run(copies, static_cast<DWORD>(std::atoi(argv[4])), false);
    }
    if (mode == "pair" && argc == 4) {
        copies.resize(2);
        copies[0].name = "s0";
        copies[1].name = "s1";
        return Run(copies, static_cast<DWORD>(std::atoi(argv[3])), true);
    }
    return 2;
}
