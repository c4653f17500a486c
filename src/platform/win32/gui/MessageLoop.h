#pragma once
#include "app/TForm1.h"
#include "platform/win32/gui/Win32Window.h"

namespace veskor::gui {

// Runs the program's messages until the window is destroyed. Every key passes through
// here on its way to the window object's key routing (app/KeyRouting.h).
void RunMessageLoop(Win32Window& window, TForm1& form);

}  // namespace veskor::gui
