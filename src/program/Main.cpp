#include "form/TForm1.h"
#include "history/PendingLoad.h"
#include "launch/GoneWorker.h"
#include "thread/Background.h"
#include "win32/Com.h"
#include "win32/SystemDlls.h"
#include "win32/Utf16.h"
#include "win32/Win32Platform.h"
#include "gui/GoneThread.h"
#include "gui/MessageLoop.h"
#include "gui/Win32Window.h"

namespace {

// One window, shown next to the pointer, until a command closes it; returns the exit code.
int RunWindow(HINSTANCE instance)
{
    try {
        veskor::Win32Platform platform;
        // Reads the history while the window is made, then judges the gone checks.
        veskor::Background background;
        auto early = std::make_unique<veskor::PendingLoad>(platform, veskor::TForm1::DataFilePathIn(platform), background);
        veskor::gui::Win32Window window(instance);
        platform.SetMainWindow(window.Handle());
        veskor::TForm1 form(platform, window.Controls(), std::move(early));
        window.Attach(form);
        form.UseGoneWorker(
            std::make_unique<veskor::GoneWorker>(veskor::gui::GoneThreadHost(window.Handle()), background));

        // The first show places the window before it is seen; when it fails the error is
        // shown and the window opens where it was designed.
        form.Dispatch([&] { form.FormShow(); });
        if (IsWindow(window.Handle())) {
            ShowWindow(window.Handle(), SW_SHOW);
            UpdateWindow(window.Handle());
            window.Controls().Edit1.SetFocus();
            veskor::gui::RunMessageLoop(window, form);
        }
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, veskor::win32::WidenJapanese(e.what()).c_str(), L"Veskor3", MB_ICONERROR | MB_OK);
        return 1;
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Before anything can load a DLL: none is taken from the program's folder.
    veskor::win32::RestrictDllSearchToSystem32();
    const int exitCode = RunWindow(instance);
    veskor::win32::EndCom();
    // The history is saved by now. The gone checks' thread may still be inside a check
    // that hangs: the process ends at once, without waiting for it, and without the
    // static destructors of a return from WinMain, which could destroy what it still uses.
    ExitProcess(static_cast<UINT>(exitCode));
}
