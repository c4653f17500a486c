#include "app/TForm1.h"
#include "history/PendingLoad.h"
#include "platform/win32/Com.h"
#include "platform/win32/SystemDlls.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/gui/MessageLoop.h"
#include "platform/win32/gui/Win32Window.h"

// The program: one window, shown next to the pointer, until a command closes it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Before anything can load a DLL: none is taken from the program's folder.
    veskor::win32::RestrictDllSearchToSystem32();

    int exitCode = 0;
    try {
        veskor::Win32Platform platform;
        // The history is read while the window is made.
        auto early = std::make_unique<veskor::PendingLoad>(platform, veskor::TForm1::DataFilePathIn(platform));
        veskor::gui::Win32Window window(instance);
        platform.SetMainWindow(window.Handle());
        veskor::TForm1 form(platform, window.Controls(), std::move(early));
        window.Attach(form);

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
        exitCode = 1;
    }

    veskor::win32::EndCom();
    return exitCode;
}
