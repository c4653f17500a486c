#include "WinTest.h"

namespace veskor::wintest {
namespace {

class WindowSystemTest : public WinTest {};

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST_F(WindowSystemTest, MonitorAtGivesTheNearestMonitorAndItsWorkArea)
{
    const Point pointer = platform.CursorPosition();
    for (const Point point : {pointer, Point{-100000, -100000}, Point{100000, 100000}}) {
        const MonitorArea area = platform.MonitorAt(point);
        EXPECT_LT(area.monitor.left, area.monitor.right);
        EXPECT_LT(area.monitor.top, area.monitor.bottom);
        EXPECT_LT(area.work.left, area.work.right);
        EXPECT_LT(area.work.top, area.work.bottom);
        EXPECT_TRUE(Inside(area.work, area.monitor));
        EXPECT_GE(area.dpi, 96);
    }
    const MonitorArea here = platform.MonitorAt(pointer);
    EXPECT_TRUE(Inside(Rect{pointer.x, pointer.y, pointer.x, pointer.y}, here.monitor));
}

}  // namespace
}  // namespace veskor::wintest
