#pragma once
#include "form/TForm1.h"
#include "gui/Win32Window.h"

namespace veskor::gui {

// Runs the program's messages until the window is destroyed. Every key passes through
// here on its way to the window object's key routing (form/KeyRouting.h).
void RunMessageLoop(Win32Window& window, TForm1& form);

}  // namespace veskor::gui
