#include "gui/Win32Window.h"

#include "form/Placement.h"
#include "text/Error.h"
#include "win32/Dpi.h"
#include "gui/Text.h"

namespace veskor::gui {

namespace {

constexpr wchar_t ClassName[] = L"veskor3.TForm1";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

HFONT MakeFont(int height, int dpi)
{
    const std::wstring face = win32::WidenJapanese(layout::FontFace);
    return CreateFontW(-Scale(height, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face.c_str());
}

// The pixels per inch of the monitor that shows the window, or of the screen.
int WindowDpi(HWND hwnd)
{
    const int dpi = win32::DpiOfWindow(hwnd);
    return dpi > 0 ? dpi : win32::ScreenDpi();
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance) : dpi_(WindowDpi(nullptr))
{
    RegisterWindowClass(instance, WindowProc);
    font_ = MakeFont(layout::FontHeight, dpi_);
    edit2Font_ = MakeFont(layout::Controls[layout::Edit2Index].fontHeight, dpi_);

    RECT frame{0, 0, Scale(layout::ClientWidth, dpi_), Scale(layout::ClientHeight, dpi_)};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, 0);
    // WindowProc ties this object to the window at WM_NCCREATE. The window takes dropped
    // files from the start: the style is all that DragAcceptFiles would set, without
    // loading the shell for it.
    hwnd_ = CreateWindowExW(WS_EX_ACCEPTFILES, ClassName, L"", WindowStyle, Scale(layout::DesignLeft, dpi_),
                            Scale(layout::DesignTop, dpi_), frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, instance, this);
    if (!hwnd_)
        throw Error("ウィンドウを作成できません");
    CreateControls();
}

Win32Window::~Win32Window()
{
    // The window object may be gone already; what the controls report while they are
    // destroyed is for nobody.
    form_ = nullptr;
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    tooltips_.reset();
    DeleteObject(font_);
    DeleteObject(edit2Font_);
}

void Win32Window::CreateControls()
{
    tooltips_ = std::make_unique<Tooltips>(hwnd_, font_);
    ControlMaker& maker = *this;
    edit1_ = std::make_unique<Win32Edit>(maker, layout::ControlIdOf(layout::Edit1Index));
    list_ = std::make_unique<Win32ListBox>(maker, layout::ControlIdOf(layout::ListBox1Index));
    edit2_ = std::make_unique<Win32Edit>(maker, layout::ControlIdOf(layout::Edit2Index));
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i] = std::make_unique<Win32Button>(maker, layout::ControlIdOf(layout::TabIndexOf(ButtonId(i))),
                                                    *tooltips_);

    // Made in tab order, so the stacking order of the controls is the tab order without
    // moving any.
    for (size_t i = 0; i < layout::Controls.size(); ++i) {
        if (layout::Controls[i].shownAtCreation)
            ControlWindow(i);
    }
}

void Win32Window::MakeRemainingControls()
{
    if (allMade_)
        return;
    // Should a control fail to be made, its first use tries again and reports it.
    allMade_ = true;
    for (size_t i = 0; i < layout::Controls.size(); ++i)
        ControlWindow(i);
}

HWND Win32Window::ControlWindow(size_t index)
{
    if (index == layout::Edit1Index)
        return edit1_->Handle();
    if (index == layout::ListBox1Index)
        return list_->Handle();
    if (index == layout::Edit2Index)
        return edit2_->Handle();
    return buttons_.at(index - layout::FirstButtonIndex)->Handle();
}

ControlPlace Win32Window::PlaceOf(int id)
{
    const size_t index = layout::TabIndexOfId(id);
    return {hwnd_, id, layout::Controls.at(index), dpi_, index == layout::Edit2Index ? edit2Font_ : font_};
}

// The stacking order is the tab order, in which the screen reader walks the controls and
// by which overlapping ones clip each other: a control made after some that follow it goes
// right after the nearest one before it that has a window.
void Win32Window::Adopt(HWND control)
{
    AddSubclass(control, WatchControl, 1, reinterpret_cast<DWORD_PTR>(this));
    HWND after = HWND_TOP;
    for (int id = GetDlgCtrlID(control) - 1; id >= layout::FirstControlId && after == HWND_TOP; --id)
        after = GetDlgItem(hwnd_, id);
    const HWND next = after == HWND_TOP ? GetWindow(hwnd_, GW_CHILD) : GetWindow(after, GW_HWNDNEXT);
    if (next != control)
        SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

FormControls Win32Window::Controls() { return {*this, *edit1_, *list_, *edit2_, buttons_}; }

void Win32Window::Attach(TForm1& form)
{
    form_ = &form;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const ButtonId id = static_cast<ButtonId>(i);
        buttons_[i]->onClick = [this, id] { Deliver([this, id] { form_->Click(id); }); };
        buttons_[i]->onMouseDown = [this](const MouseState& mouse) {
            Deliver([this, mouse] { form_->FormMouseDown(mouse); });
        };
    }
    list_->onSelectionChange = [this] { Deliver([this] { form_->ListBox1Click(); }); };
    list_->onDoubleClick = [this] { Deliver([this] { form_->listBox1DblClick(); }); };
    edit1_->onComposition = [this](bool open) { Deliver([this, open] { form_->Edit1Composition(open); }); };
}

void Win32Window::Deliver(const std::function<void()>& handler)
{
    if (form_)
        form_->Dispatch(handler);
}

bool Win32Window::Owns(HWND hwnd) const { return hwnd && (hwnd == hwnd_ || IsChild(hwnd_, hwnd)); }

Control* Win32Window::ControlOf(HWND hwnd)
{
    const size_t index = layout::TabIndexOfId(GetDlgCtrlID(hwnd));
    if (!hwnd || GetParent(hwnd) != hwnd_ || index >= layout::Controls.size())
        return nullptr;
    return &Controls().InTabOrder(index);
}

std::string Win32Window::Title() const { return win32::NarrowJapanese(WindowTextOf(hwnd_)); }

void Win32Window::SetTitle(const std::string& title)
{
    SetWindowTextW(hwnd_, win32::WidenJapanese(title).c_str());
}

// The core sized the window for the monitor it goes to. Should the move bring the window
// to a monitor of another DPI, the controls follow, and the rectangle stays the core's.
void Win32Window::Place(int x, int y, int width, int height)
{
    placing_ = true;
    MoveWindow(hwnd_, x, y, width, height, FALSE);
    placing_ = false;
    if (const int dpi = WindowDpi(hwnd_); dpi != dpi_)
        ApplyDpi(dpi);
}

// Every control to its designed place, in fonts of the designed heights, scaled for `dpi`.
void Win32Window::ApplyDpi(int dpi)
{
    const HFONT oldFont = font_;
    const HFONT oldEdit2Font = edit2Font_;
    dpi_ = dpi;
    font_ = MakeFont(layout::FontHeight, dpi);
    edit2Font_ = MakeFont(layout::Controls[layout::Edit2Index].fontHeight, dpi);
    for (size_t i = 0; i < layout::Controls.size(); ++i) {
        const int id = layout::ControlIdOf(i);
        HWND control = GetDlgItem(hwnd_, id);
        if (!control)
            continue;  // made later, at the DPI of then
        const ControlPlace place = PlaceOf(id);
        const RECT r = DesignedRect(place.design, dpi);
        SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    }
    list_->SetFont(font_, Scale(layout::ListRowHeight, dpi));
    tooltips_->SetFont(font_);
    DeleteObject(oldFont);
    DeleteObject(oldEdit2Font);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The window went to a monitor of another DPI, or the user changed the scale: the system
// suggests the rectangle that keeps the window's place and scaled size.
void Win32Window::OnDpiChanged(int dpi, const RECT& suggested)
{
    ApplyDpi(dpi);
    if (!placing_)
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::BringToFront() { SetForegroundWindow(hwnd_); }

void Win32Window::EndProgram()
{
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

void Win32Window::ShowError(const std::string& caption, const std::string& text)
{
    MessageBoxW(IsWindow(hwnd_) ? hwnd_ : nullptr, win32::WidenJapanese(text).c_str(),
                win32::WidenJapanese(caption).c_str(), MB_ICONERROR | MB_OK);
}

}  // namespace veskor::gui
