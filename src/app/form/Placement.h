#pragma once
#include "platform/Platform.h"

namespace veskor {

// Where the window opens: up and left of the pointer, pushed back inside the work area
// of the monitor under the pointer. The two "below the edge" tests use the monitor's own
// left and top (0 and 0 on the primary monitor), the two "past the edge" tests the pointer.
// Offsets and size are scaled by the monitor's DPI; at 96 they are exactly as designed.
Point PlaceWindow(Point pointer, const MonitorArea& area);

// A designed size in pixels at 96 DPI, scaled for `dpi` (rounded to nearest).
int Scale(int designed, int dpi);

}  // namespace veskor
