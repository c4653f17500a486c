#include "form/Placement.h"
#include "text/Error.h"
#include "gui/GoneThread.h"
#include "gui/Mouse.h"
#include "gui/Text.h"
#include "gui/Win32Window.h"

// How the system's messages to the window become the window object's events.
namespace veskor::gui {

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->OnMessage(msg, wParam, lParam);
}

LRESULT Win32Window::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        break;
    case WM_CLOSE:
        // The close box and Alt+F4: the window object saves and ends the program, or
        // stays open when the save failed.
        Deliver([this] { form_->Close(); });
        return 0;
    case WM_QUERYENDSESSION:
        Deliver([this] { form_->SessionEnding(); });
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            Deliver([this] { form_->SessionEnding(); });
        return 0;
    case GoneAnsweredMessage: {
        const std::unique_ptr<GoneBatch> batch(reinterpret_cast<GoneBatch*>(lParam));
        Deliver([this, &batch] { form_->GoneAnswered(*batch); });
        return 0;
    }
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_COMMAND:
        if (lParam)
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
            static_cast<UINT>(Scale(layout::ListRowHeight, dpi_));
        return TRUE;
    case WM_DRAWITEM:
        if (list_ && reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem == list_->Handle()) {
            list_->Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
        const MouseState mouse = MouseStateOf(msg, wParam);
        Deliver([this, mouse] { form_->FormMouseDown(mouse); });
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (!wheelDelivered_)
            Deliver([this] { form_->FormMouseWheel(); });
        return 0;
    case WM_SETFOCUS:
        // The window itself holds the focus: no control has it.
        lastFocus_ = nullptr;
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && RestoreFocus())
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

// A plain window forgets its focused control when another window (an error box) takes
// over; put the focus back where the user left it, with the selection it had.
bool Win32Window::RestoreFocus()
{
    if (!lastFocus_ || !IsWindow(lastFocus_) || !IsWindowVisible(lastFocus_))
        return false;
    const Control* control = ControlOf(lastFocus_);
    if (control == edit1_.get())
        edit1_->RestoreFocus();
    else if (control == edit2_.get())
        edit2_->RestoreFocus();
    else
        ::SetFocus(lastFocus_);
    return true;
}

// Every control reports its focus, for RestoreFocus, and hands wheel turns to the
// window's handler before its own handling: an edit field keeps the turn to itself, and
// the list scrolls only once it has the focus. A turn that the control passes on to the
// window is not handled twice.
LRESULT CALLBACK Win32Window::WatchControl(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self)
{
    auto* window = reinterpret_cast<Win32Window*>(self);
    if (msg == WM_SETFOCUS) {
        window->lastFocus_ = hwnd;
    } else if (msg == WM_MOUSEWHEEL) {
        window->Deliver([window] { window->form_->FormMouseWheel(); });
        if (!IsWindow(hwnd))
            return 0;
        window->wheelDelivered_ = true;
        const LRESULT result = DefSubclass(hwnd, msg, wParam, lParam);
        window->wheelDelivered_ = false;
        return result;
    } else if (msg == WM_NCDESTROY) {
        RemoveSubclass(hwnd, WatchControl, 1);
    }
    return DefSubclass(hwnd, msg, wParam, lParam);
}

void Win32Window::OnCommand(int id, int code)
{
    const size_t index = layout::TabIndexOfId(id);
    if (index == layout::ListBox1Index)
        list_->Command(code);
    else if (index >= layout::FirstButtonIndex && index < layout::FirstButtonIndex + ButtonCount)
        buttons_[index - layout::FirstButtonIndex]->Command(code);
}

namespace {

// The first dropped file's path, empty when none came; the drop is finished.
std::wstring FirstDroppedFile(HDROP drop)
{
    const auto queryFile = VESKOR_SYSTEM_FUNCTION(L"shell32.dll", DragQueryFileW);
    std::wstring wide;
    if (queryFile(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        wide.assign(queryFile(drop, 0, nullptr, 0) + 1, L'\0');
        wide.resize(queryFile(drop, 0, wide.data(), static_cast<UINT>(wide.size())));
    }
    VESKOR_SYSTEM_FUNCTION(L"shell32.dll", DragFinish)(drop);
    return wide;
}

}  // namespace

// Only the first dropped file counts. Its path must be writable in CP932: anything else is
// refused rather than registered with "?" in place of a character. The window object
// checks the length and brings the window to the front. The shell is loaded for the first
// drop, inside the dispatch, so that a failure to load it reaches the error box.
void Win32Window::OnDropFiles(HDROP drop)
{
    Deliver([this, drop] {
        const std::wstring wide = FirstDroppedFile(drop);
        if (wide.empty())
            return;
        bool lossless = true;
        const std::string path = win32::NarrowJapanese(wide, &lossless);
        if (!lossless) {
            // The box must not open behind the program the file came from.
            SetForegroundWindow(hwnd_);
            throw Error("パスに Shift-JIS で表せない文字が含まれているため登録できません");
        }
        form_->WMDropFiles(path);
    });
}

}  // namespace veskor::gui
