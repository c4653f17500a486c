#include "gui/MessageLoop.h"

#include "form/KeyRouting.h"

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

}  // namespace

// A key pressed or released in the window or one of its controls travels as PressKey and
// ReleaseKey (form/KeyRouting.cpp) say. A key that goes on to its control, and everything
// else, is translated and dispatched as usual: clicks, the list's notifications, the
// input method's composition, the mouse, drops and the gone checks' answers arrive at
// Win32Window.
// The loop ends when the window is destroyed (the close, or the session's end). Whenever
// nothing waits, the window object prepares for the next key (TForm1::Idle), and once the
// loop has slept (the window is on the screen and painted by then) the window makes the
// controls it left for later and hands the gone checks' worker what to judge next
// (TForm1::AskAboutLinks), which never waits for a check; keys and clicks tell the worker
// to rest (TForm1::UserInput). A timer set at the first sleep wakes the loop for that soon
// after the show, so that it is done before the user's first key rather than on it.
void RunMessageLoop(Win32Window& window, TForm1& form)
{
    constexpr UINT WakeAfterShowMs = 30;
    MSG msg;
    bool slept = false;
    UINT_PTR wake = 0;
    for (;;) {
        const bool idle = !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        if (idle) {
            form.Dispatch([&] {
                if (slept)
                    window.MakeRemainingControls();
                form.Idle();
                if (slept)
                    form.AskAboutLinks();
            });
            if (!slept)
                wake = SetTimer(nullptr, 0, WakeAfterShowMs, nullptr);
        }
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        slept = slept || idle;
        if (wake && msg.message == WM_TIMER && !msg.hwnd && msg.wParam == wake) {
            KillTimer(nullptr, wake);
            wake = 0;
            continue;
        }
        if (IsUserInput(msg.message))
            form.UserInput();
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
