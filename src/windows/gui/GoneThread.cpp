#include "gui/GoneThread.h"

#include "win32/Win32Platform.h"

namespace veskor::gui {

GoneWorker::Host GoneThreadHost(HWND window)
{
    GoneWorker::Host host;
    host.platform = std::make_shared<Win32Platform>();
    host.begin = [] {
        // Background mode lowers the thread's disk and memory priority as well as its
        // processor's: its link reads and file checks queue behind those of the window and
        // of the program just started, which a lower processor priority alone would not
        // do. Where the system refuses it, the lower processor priority at least. COM is
        // begun by the thread's first link read (Com.h), not here: a history whose
        // shortcuts are missing needs none, and its set-up costs memory and time.
        if (!SetThreadPriority(GetCurrentThread(), THREAD_MODE_BACKGROUND_BEGIN))
            SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    };
    host.post = [window](std::unique_ptr<GoneBatch> batch) {
        if (PostMessageW(window, GoneAnsweredMessage, 0, reinterpret_cast<LPARAM>(batch.get())))
            batch.release();
    };
    return host;
}

}  // namespace veskor::gui
