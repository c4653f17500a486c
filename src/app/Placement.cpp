#include "app/Placement.h"

#include "app/Layout.h"

namespace veskor {

Point PlaceWindow(Point pointer, const MonitorArea& area)
{
    Point at{pointer.x - layout::OffsetX, pointer.y - layout::OffsetY};
    if (at.x < area.monitor.left)
        at.x = area.work.left;
    if (at.y < area.monitor.top)
        at.y = area.work.top;
    if (pointer.x + layout::WindowWidth > area.work.right)
        at.x = area.work.right - layout::WindowWidth;
    if (pointer.y + layout::WindowHeight > area.work.bottom)
        at.y = area.work.bottom - layout::WindowHeight;
    return at;
}

}  // namespace veskor
