#pragma once
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <shellapi.h>

#include <array>
#include <functional>
#include <memory>

#include "form/TForm1.h"
#include "gui/Win32Button.h"
#include "gui/Win32Edit.h"
#include "gui/Win32ListBox.h"

namespace veskor::gui {

// The program's one window: a fixed-size frame holding the sixteen designed controls.
// It turns the system's messages into the window object's events, each run through
// TForm1::Dispatch; the keyboard is routed by the message loop (MessageLoop.h). The
// controls that start hidden get their windows later (Win32Control).
class Win32Window : public FormWindow, private ControlMaker {
public:
    explicit Win32Window(HINSTANCE instance);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND Handle() const { return hwnd_; }
    FormControls Controls();
    // From now on the window's events reach `form`.
    void Attach(TForm1& form);
    // Runs one event through the window object's dispatch; dropped before Attach.
    void Deliver(const std::function<void()>& handler);

    // For the message loop: whether a message's window is this one or one of its
    // controls, and which control it is (null for the window itself).
    bool Owns(HWND hwnd) const;
    Control* ControlOf(HWND hwnd);
    // For the message loop when nothing waits: the controls that are still without a
    // window get theirs, so that none is made while the user waits for it.
    void MakeRemainingControls();
    // The window of the control at `index` of the tab order, made now if need be.
    HWND ControlWindow(size_t index);

    // FormWindow.
    std::string Title() const override;
    void SetTitle(const std::string& title) override;
    void Place(int x, int y, int width, int height) override;
    void BringToFront() override;
    void EndProgram() override;
    void ShowError(const std::string& caption, const std::string& text) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WatchControl(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    // ControlMaker.
    ControlPlace PlaceOf(int id) override;
    void Adopt(HWND control) override;
    void OnDropFiles(HDROP drop);
    void OnCommand(int id, int code);
    bool RestoreFocus();
    void ApplyDpi(int dpi);
    void OnDpiChanged(int dpi, const RECT& suggested);

    HWND hwnd_ = nullptr;
    std::unique_ptr<Tooltips> tooltips_;
    HFONT font_ = nullptr;
    HFONT edit2Font_ = nullptr;
    int dpi_ = 96;  // of the monitor the window is on; every designed size is scaled by it
    bool placing_ = false;  // inside Place: the rectangle is already the right one
    std::unique_ptr<Win32Edit> edit1_;
    std::unique_ptr<Win32ListBox> list_;
    std::unique_ptr<Win32Edit> edit2_;
    std::array<std::unique_ptr<Win32Button>, ButtonCount> buttons_;
    TForm1* form_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control to focus again when the window is reactivated
    bool wheelDelivered_ = false;  // a control's wheel turn already reached the handler
    bool allMade_ = false;  // every control has its window, or had its chance at the first idle
};

}  // namespace veskor::gui
