// Tells the GUI tests what a person sees of the launcher's window: where its client area
// lies on the screen, its title, and the text and visibility of its two edit fields.
// Prints in UTF-8, one item a line:
//   client=X Y WIDTH HEIGHT
//   xwindow=N: the X window that shows it under Wine (the id xdotool gives it), 0 elsewhere
//   title=...
//   edit1=... / edit1.visible=0|1, and the same for edit2
//   focus=N: the focused control's place in the tab order (0 Edit1, 1 ListBox1, 2 Edit2,
//     3 and on the buttons), -1 when no control has the focus
//   edit1.box=LEFT TOP WIDTH HEIGHT in client pixels, the same for edit2
//   list.row=N: the history list's row height
// Exits 1 when there is no such window. `winclient --error-box` prints the text of the
// launcher's error box, its line breaks as "|" (exits 1 when none is open). `winclient --codepage` prints codepage=N, the
// ANSI code page that programs in this prefix run in. `winclient --dpi-awareness EXE`
// prints the dpiAware= and dpiAwareness= settings of the program's manifest, as the
// system reads them. `winclient --controls` prints controls=N, how many of the window's
// controls have their windows, and sends the window nothing that would wake it.
// `winclient --release-buttons` releases every mouse button the system still holds down,
// as Wine does when the window that saw a press is gone before the release.
#include <windows.h>

#include "Utf8.h"
#include "form/Layout.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Asked with WM_GETTEXT: GetWindowText does not ask a window of another process.
std::wstring TextOf(HWND hwnd)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    text.resize(copied);
    return text;
}

bool HasClass(HWND hwnd, const wchar_t* className)
{
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    return lstrcmpiW(name, className) == 0;
}

BOOL CALLBACK CountControl(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CollectEdit(HWND hwnd, LPARAM edits)
{
    if (HasClass(hwnd, L"Edit"))
        reinterpret_cast<std::vector<HWND>*>(edits)->push_back(hwnd);
    return TRUE;
}

// A setting of the windowsSettings element in the program's manifest (resource 1).
std::wstring ManifestSetting(const wchar_t* program, const wchar_t* nameSpace, const wchar_t* name)
{
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = program;
    context.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE handle = CreateActCtxW(&context);
    if (handle == INVALID_HANDLE_VALUE)
        return L"(no manifest)";
    wchar_t value[256] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, handle, nameSpace, name, value, 256, &written))
        value[0] = L'\0';
    ReleaseActCtx(handle);
    return value;
}

int PrintDpiAwareness(const char* program)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, program, -1, nullptr, 0);
    std::wstring path(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, program, -1, path.data(), size);
    std::printf("dpiAware=%s\n",
                Utf8(ManifestSetting(path.c_str(), L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"))
                    .c_str());
    std::printf("dpiAwareness=%s\n", Utf8(ManifestSetting(path.c_str(),
                                                          L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                                          L"dpiAwareness"))
                                         .c_str());
    return 0;
}

void PrintBox(const char* name, HWND control, HWND window)
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%s.box=%ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM texts)
{
    if (HasClass(hwnd, L"Static"))
        reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(TextOf(hwnd));
    return TRUE;
}

// The message box's longest static text is its message (the other holds the icon).
int PrintErrorBox()
{
    HWND box = FindWindowW(L"#32770", L"Veskor3");
    if (!box)
        return 1;
    std::vector<std::wstring> texts;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
    std::wstring message;
    for (const std::wstring& text : texts) {
        if (text.size() > message.size())
            message = text;
    }
    std::wstring flat;
    for (size_t i = 0; i < message.size(); ++i) {
        if (message[i] == L'\r' && i + 1 < message.size() && message[i + 1] == L'\n')
            continue;
        flat += message[i] == L'\n' ? L'|' : message[i];
    }
    std::printf("errorbox=%s\n", Utf8(flat).c_str());
    return 0;
}

int ReleaseButtons()
{
    const struct {
        int key;
        DWORD up;
    } buttons[] = {{VK_LBUTTON, MOUSEEVENTF_LEFTUP}, {VK_RBUTTON, MOUSEEVENTF_RIGHTUP}, {VK_MBUTTON, MOUSEEVENTF_MIDDLEUP}};
    for (const auto& button : buttons) {
        if (!(GetAsyncKeyState(button.key) & 0x8000))
            continue;
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = button.up;
        if (SendInput(1, &input, sizeof input) != 1)
            return 1;
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--release-buttons")
        return ReleaseButtons();
    if (argc == 2 && std::string(argv[1]) == "--error-box")
        return PrintErrorBox();
    if (argc == 2 && std::string(argv[1]) == "--codepage") {
        std::printf("codepage=%u\n", GetACP());
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--dpi-awareness")
        return PrintDpiAwareness(argv[2]);
    HWND window = FindWindowW(L"veskor3.TForm1", nullptr);
    if (!window)
        return 1;
    if (argc == 2 && std::string(argv[1]) == "--controls") {
        int controls = 0;
        EnumChildWindows(window, CountControl, reinterpret_cast<LPARAM>(&controls));
        std::printf("controls=%d\n", controls);
        return 0;
    }
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("client=%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    // Wine keeps the window's X window in this property: xdotool's name for the same window.
    std::printf("xwindow=%llu\n", static_cast<unsigned long long>(
                                       reinterpret_cast<ULONG_PTR>(GetPropW(window, L"__wine_x11_whole_window"))));
    std::printf("title=%s\n", Utf8(TextOf(window)).c_str());
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    const bool control = thread.hwndFocus && GetParent(thread.hwndFocus) == window;
    // The focused control by its name in the layout, so that the scripts say which one they mean.
    const std::size_t focused = control ? veskor::layout::TabIndexOfId(GetDlgCtrlID(thread.hwndFocus)) : SIZE_MAX;
    std::printf("focus=%s\n", focused < veskor::layout::Controls.size() ? veskor::layout::Controls[focused].name : "none");
    std::vector<HWND> edits;
    EnumChildWindows(window, CollectEdit, reinterpret_cast<LPARAM>(&edits));
    for (size_t i = 0; i < edits.size() && i < 2; ++i) {
        std::printf("edit%zu=%s\n", i + 1, Utf8(TextOf(edits[i])).c_str());
        std::printf("edit%zu.visible=%d\n", i + 1, (GetWindowLongW(edits[i], GWL_STYLE) & WS_VISIBLE) ? 1 : 0);
        PrintBox(i == 0 ? "edit1" : "edit2", edits[i], window);
    }
    if (HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr))
        std::printf("list.row=%ld\n", static_cast<long>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)));
    return 0;
}
