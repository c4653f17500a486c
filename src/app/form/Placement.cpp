#include "form/Placement.h"

#include "form/Layout.h"

namespace veskor {

int Scale(int designed, int dpi)
{
    const long long scaled = static_cast<long long>(designed) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
}

Point PlaceWindow(Point pointer, const MonitorArea& area)
{
    const int width = Scale(layout::WindowWidth, area.dpi);
    const int height = Scale(layout::WindowHeight, area.dpi);
    Point at{pointer.x - Scale(layout::OffsetX, area.dpi), pointer.y - Scale(layout::OffsetY, area.dpi)};
    if (at.x < area.monitor.left)
        at.x = area.work.left;
    if (at.y < area.monitor.top)
        at.y = area.work.top;
    if (pointer.x + width > area.work.right)
        at.x = area.work.right - width;
    if (pointer.y + height > area.work.bottom)
        at.y = area.work.bottom - height;
    return at;
}

}  // namespace veskor
