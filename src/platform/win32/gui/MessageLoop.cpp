#include "platform/win32/gui/MessageLoop.h"

namespace veskor::gui {

namespace {

bool IsKeyDown(UINT msg) { return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN; }
bool IsKeyUp(UINT msg) { return msg == WM_KEYUP || msg == WM_SYSKEYUP; }

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

// The focused control's key-down handler, before the control's own handling.
void RunKeyDownHandler(TForm1& form, FocusKind focus, const KeyEvent& key)
{
    switch (focus) {
    case FocusKind::Edit1: form.Dispatch([&] { form.edit1KeyDown(key); }); break;
    case FocusKind::ListBox1: form.Dispatch([&] { form.ListBox1KeyDown(key); }); break;
    case FocusKind::Edit2: form.Dispatch([&] { form.Edit2KeyDown(key); }); break;
    case FocusKind::Button:
    case FocusKind::None: break;
    }
}

// Whether the key was taken before any control saw it.
bool PreDispatchKey(Win32Window& window, TForm1& form, const MSG& msg)
{
    const KeyEvent key = KeyEventOf(msg);
    const KeyTarget target = window.KeyTargetOf(msg.hwnd);
    const KeyRoute route = RouteKey(key, target);
    switch (route.action) {
    case KeyRoute::Action::ClickButton:
        form.Dispatch([&] { form.Click(route.button); });
        return true;
    case KeyRoute::Action::FocusNext:
        window.MoveFocus(1);
        return true;
    case KeyRoute::Action::FocusPrevious:
        window.MoveFocus(-1);
        return true;
    case KeyRoute::Action::ToFocusedControl:
        RunKeyDownHandler(form, target.focus, key);
        return false;
    }
    return false;
}

}  // namespace

// The order in which a message travels:
//  1. A key press for the window or one of its controls goes to RouteKey first. Plain
//     Enter clicks the focused or the shown default button and plain Esc clicks
//     escButton; Tab and Shift+Tab move the focus. Such a key stops here: no handler
//     and no control sees it, and it makes no character.
//  2. Any other key press runs the focused control's key-down handler (edit1KeyDown,
//     ListBox1KeyDown, Edit2KeyDown). The handler never takes the key: it then goes on
//     to the control that it was sent to, even when the handler moved the focus.
//  3. A key release in Edit1 runs Edit1KeyUp (as VK_PROCESSKEY while the input method
//     composes), then reaches the field.
//  4. Everything else, and the keys of steps 2 and 3, is translated and dispatched as usual;
//     clicks, the list's notifications, the mouse and drops arrive at Win32Window.
// The loop ends when the window is destroyed (the close, or the session's end).
void RunMessageLoop(Win32Window& window, TForm1& form)
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        const bool ours = window.Owns(msg.hwnd);
        if (ours && IsKeyDown(msg.message) && PreDispatchKey(window, form, msg))
            continue;
        if (ours && IsKeyUp(msg.message) && msg.hwnd == window.Edit1Handle()) {
            // Input methods turn the presses they take into VK_PROCESSKEY, but most pass
            // the releases on unchanged: while a composition is open, a release is theirs.
            const int key = window.Edit1Composing() ? vk::ProcessKey : static_cast<int>(msg.wParam);
            form.Dispatch([&] { form.Edit1KeyUp(key); });
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace veskor::gui
