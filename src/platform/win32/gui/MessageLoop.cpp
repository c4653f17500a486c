#include "platform/win32/gui/MessageLoop.h"

#include "app/KeyRouting.h"

namespace veskor::gui {

namespace {

bool IsKeyDown(UINT msg) { return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN; }
bool IsKeyUp(UINT msg) { return msg == WM_KEYUP || msg == WM_SYSKEYUP; }
// What the user does with the keys, the buttons or the wheel; the pointer passing by is not.
bool IsUserInput(UINT msg)
{
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg > WM_MOUSEMOVE && msg <= WM_MOUSELAST);
}

// Ctrl and Shift as they are now; Alt from the message itself (bit 29 of a system key).
KeyEvent KeyEventOf(const MSG& msg)
{
    KeyEvent key;
    key.key = static_cast<int>(msg.wParam);
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.ctrl = GetKeyState(VK_CONTROL) < 0;
    key.alt = msg.message == WM_SYSKEYDOWN && (msg.lParam & (1L << 29)) != 0;
    return key;
}

// Slices of the gone checks for `ticks` of the performance counter at most; true while
// links are left to check.
bool CheckFor(TForm1& form, LONGLONG ticks)
{
    LARGE_INTEGER start{}, now{};
    QueryPerformanceCounter(&start);
    do {
        if (!form.CheckLinksWhileIdle())
            return false;
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < ticks);
    return true;
}

}  // namespace

// A key pressed or released in the window or one of its controls travels as PressKey and
// ReleaseKey (app/KeyRouting.cpp) say. A key that goes on to its control, and everything
// else, is translated and dispatched as usual: clicks, the list's notifications, the
// input method's composition, the mouse and drops arrive at Win32Window.
// The loop ends when the window is destroyed (the close, or the session's end). Whenever
// nothing waits, the window object prepares for the next key (TForm1::Idle), and once the
// loop has slept (the window is on the screen and painted by then) the window makes the
// controls it left for later. A timer set at the first sleep wakes the loop for that soon
// after the show, so that it is done before the user's first key rather than on it.
// From then on the idle loop also checks the history's links for gone entries
// (TForm1::CheckLinksWhileIdle), as long as any are left and nothing waits: a millisecond
// of checks, then a pause, whatever else wakes the loop, and none until keys and clicks
// have been still for a moment (a timer wakes the loop then). Checked flat out, or even a
// few milliseconds in every ten, they kept both processors of a small machine busy (the
// program and the system behind each of its calls), and a key at 100,000 entries took
// three times as long; at one in fifty it takes as long as without them.
void RunMessageLoop(Win32Window& window, TForm1& form)
{
    constexpr UINT WakeAfterShowMs = 30;
    constexpr ULONGLONG QuietBeforeChecksMs = 300;
    constexpr LONGLONG ChecksForUs = 1000;
    constexpr ULONGLONG PauseBetweenChecksMs = 50;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    MSG msg;
    bool slept = false;
    UINT_PTR wake = 0;
    UINT_PTR resume = 0;
    ULONGLONG lastInput = 0;
    ULONGLONG nextChecks = 0;  // no slice of checks before then, whatever wakes the loop
    for (;;) {
        const bool idle = !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        DWORD checksIn = INFINITE;  // when to come back for more checks, if there are any
        if (idle) {
            const ULONGLONG now = GetTickCount64();
            const bool quiet = now - lastInput >= QuietBeforeChecksMs;
            const bool due = quiet && now >= nextChecks;
            bool more = false;
            form.Dispatch([&] {
                if (slept)
                    window.MakeRemainingControls();
                form.Idle();
                if (slept && due)
                    more = CheckFor(form, ChecksForUs * frequency.QuadPart / 1000000);
            });
            if (!slept) {
                wake = SetTimer(nullptr, 0, WakeAfterShowMs, nullptr);
            } else if (!quiet && !resume) {
                resume = SetTimer(nullptr, 0, static_cast<UINT>(lastInput + QuietBeforeChecksMs - now), nullptr);
            } else if (more) {
                nextChecks = GetTickCount64() + PauseBetweenChecksMs;
                checksIn = static_cast<DWORD>(PauseBetweenChecksMs);
            } else if (quiet && !due) {
                checksIn = static_cast<DWORD>(nextChecks - now);
            }
        }
        // Links are left to check: back to them when the pause is over, or when a message
        // sent from elsewhere (handled by the peek) was all that came meanwhile.
        if (checksIn != INFINITE &&
            (MsgWaitForMultipleObjectsEx(0, nullptr, checksIn, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT ||
             !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)))
            continue;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        slept = slept || idle;
        if (msg.message == WM_TIMER && !msg.hwnd && msg.wParam && (msg.wParam == wake || msg.wParam == resume)) {
            KillTimer(nullptr, msg.wParam);
            (msg.wParam == wake ? wake : resume) = 0;
            continue;
        }
        if (IsUserInput(msg.message))
            lastInput = GetTickCount64();
        if (window.Owns(msg.hwnd)) {
            const Control* sentTo = window.ControlOf(msg.hwnd);
            // Moving by keyboard shows where the focus is, as the dialog manager does.
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB)
                SendMessageW(window.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            if (IsKeyDown(msg.message) && !PressKey(form, sentTo, KeyEventOf(msg)))
                continue;
            if (IsKeyUp(msg.message))
                ReleaseKey(form, sentTo, static_cast<int>(msg.wParam));
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace veskor::gui
