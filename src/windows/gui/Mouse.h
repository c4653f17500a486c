#pragma once
#include "win32/Win32Api.h"

#include "form/Events.h"

namespace veskor::gui {

// Whether a message is a mouse press that the window's mouse-down handler hears.
bool IsMouseDown(UINT msg);

// The buttons and modifiers held at a press (the pressed button included), from the
// message's own MK_ flags; Alt has no flag and is read from the keyboard state.
MouseState MouseStateOf(UINT msg, WPARAM wParam);

}  // namespace veskor::gui
