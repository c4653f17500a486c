// Reads what the search and registration tests check in the launcher's window, from
// another process, in UTF-8, one item a line:
//   title=...
//   edit1=... / edit1.selected=... (the selected part of its text)
//   list.count=N / list.caret=N / list.selected=N  (the no-data list keeps no strings
//     another process could read: its count, caret and number of selected rows)
//   NAME.visible=0|1 and NAME.default=0|1 for each push button, by its control name
//   windows=N: the process's visible top-level windows (the main window included)
// `probe --box` prints the first message box of the process instead:
//   box.caption=... and box.text=...; it exits 1 when there is none.
// Exits 1 when the launcher's window cannot be found.
#include <windows.h>

#include "Utf8.h"
#include "form/Layout.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

namespace layout = veskor::layout;

LRESULT Ask(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

// Asked with WM_GETTEXT: GetWindowText does not ask a window of another process. A window
// that does not answer reads as "(no answer)", so that a test's failure tells a hung or busy
// program from an empty text.
std::wstring TextOf(HWND hwnd)
{
    const LRESULT length = Ask(hwnd, WM_GETTEXTLENGTH);
    if (length < 0)
        return L"(no answer)";
    if (length == 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Ask(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

bool Visible(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

struct ProcessWindows {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param)
{
    auto* found = reinterpret_cast<ProcessWindows*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == found->process && IsWindowVisible(hwnd))
        found->windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(HWND window)
{
    ProcessWindows found{0, {}};
    GetWindowThreadProcessId(window, &found.process);
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

bool IsClass(HWND hwnd, const wchar_t* name)
{
    wchar_t found[64] = {};
    GetClassNameW(hwnd, found, 64);
    return lstrcmpiW(found, name) == 0;
}

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM texts)
{
    if (IsClass(hwnd, L"Static")) {
        const std::wstring text = TextOf(hwnd);
        if (!text.empty())
            reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(text);
    }
    return TRUE;
}

int PrintBox(HWND window)
{
    for (HWND top : TopLevelWindowsOf(window)) {
        if (!IsClass(top, L"#32770"))
            continue;
        std::vector<std::wstring> texts;
        EnumChildWindows(top, CollectStatic, reinterpret_cast<LPARAM>(&texts));
        std::printf("box.caption=%s\n", Utf8(TextOf(top)).c_str());
        std::printf("box.text=%s\n", texts.empty() ? "" : Utf8(texts.front()).c_str());
        return 0;
    }
    return 1;
}

void PrintWindow(HWND window)
{
    std::printf("title=%s\n", Utf8(TextOf(window)).c_str());

    HWND edit1 = GetDlgItem(window, layout::ControlIdOf(layout::Edit1Index));
    const std::wstring text = TextOf(edit1);
    DWORD start = 0;
    DWORD end = 0;
    Ask(edit1, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::min<DWORD>(std::max(start, end), static_cast<DWORD>(text.size()));
    std::printf("edit1=%s\n", Utf8(text).c_str());
    std::printf("edit1.selected=%s\n", Utf8(text.substr(start, end - start)).c_str());

    HWND list = GetDlgItem(window, layout::ControlIdOf(layout::ListBox1Index));
    std::printf("list.count=%ld\n", static_cast<long>(Ask(list, LB_GETCOUNT)));
    std::printf("list.caret=%ld\n", static_cast<long>(Ask(list, LB_GETCARETINDEX)));
    std::printf("list.selected=%ld\n", static_cast<long>(Ask(list, LB_GETSELCOUNT)));

    for (int i = 0; i < veskor::ButtonCount; ++i) {
        const auto id = static_cast<veskor::ButtonId>(i);
        HWND button = GetDlgItem(window, layout::ControlIdOf(layout::TabIndexOf(id)));
        const LONG style = GetWindowLongW(button, GWL_STYLE);
        const char* name = layout::ButtonDesign(id).name;
        std::printf("%s.visible=%d\n", name, Visible(button) ? 1 : 0);
        std::printf("%s.default=%d\n", name, (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? 1 : 0);
    }
    std::printf("windows=%zu\n", TopLevelWindowsOf(window).size());
}

}  // namespace

int main(int argc, char** argv)
{
    HWND window = FindWindowW(L"veskor3.TForm1", nullptr);
    if (!window)
        return 1;
    if (argc == 2 && std::string(argv[1]) == "--box")
        return PrintBox(window);
    PrintWindow(window);
    return 0;
}
