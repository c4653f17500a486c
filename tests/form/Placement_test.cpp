#include "form/Placement.h"

#include <gtest/gtest.h>

namespace veskor {
namespace {

struct PlacementCase {
    const char* what;
    Rect monitor;
    Rect work;
    Point pointer;
    Point expected;
};

MonitorArea Area(const PlacementCase& c) { return {c.monitor, c.work}; }

constexpr Rect Primary{0, 0, 1280, 1024};

const PlacementCase Cases[] = {
    {"near the top left corner both offsets go below 0", Primary, {0, 0, 1280, 984}, {10, 20}, {0, 0}},
    {"past the right edge", Primary, {0, 0, 1280, 984}, {1200, 500}, {1030, 447}},
    {"the right-edge rule wins over the plain offset", Primary, {0, 0, 1280, 984}, {1050, 900}, {1030, 829}},
    {"a taskbar at the left is covered when X stays >= 0", Primary, {60, 0, 1280, 1024}, {30, 100}, {8, 47}},
    {"below 0 goes to the work area's left", Primary, {60, 0, 1280, 1024}, {10, 100}, {60, 47}},
    {"a taskbar at the top", Primary, {0, 40, 1280, 1024}, {640, 30}, {618, 40}},
    {"second monitor to the right, plain offset", {1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}, {2000, 500}, {1978, 447}},
    {"second monitor to the right, near its left edge", {1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}, {1290, 500},
     {1280, 447}},
    {"second monitor to the right, near its bottom", {1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}, {3150, 1030},
     {2950, 885}},
    {"second monitor to the left, negative coordinates", {-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}, {-1000, 300},
     {-1022, 247}},
    {"second monitor to the left, near its left edge", {-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}, {-1910, 30},
     {-1920, 0}},
    {"second monitor to the left, near its right edge", {-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}, {-100, 300},
     {-250, 247}},
    {"a monitor above the primary one", {0, -1080, 1920, 0}, {0, -1080, 1920, -40}, {500, -1070}, {478, -1080}},
};

TEST(PlacementTest, OpensNextToThePointerInsideTheMonitorsWorkArea)
{
    for (const PlacementCase& c : Cases) {
        const Point at = PlaceWindow(c.pointer, Area(c));
        EXPECT_EQ(at.x, c.expected.x) << c.what;
        EXPECT_EQ(at.y, c.expected.y) << c.what;
    }
}

TEST(PlacementTest, OffsetsAndSizeGrowWithTheMonitorsScaling)
{
    // At 150 % the window is 375 x 233 and opens 33 left of and 80 above the pointer.
    const MonitorArea area{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 144};
    EXPECT_EQ(PlaceWindow({500, 500}, area).x, 467);
    EXPECT_EQ(PlaceWindow({500, 500}, area).y, 420);
    EXPECT_EQ(PlaceWindow({1800, 1000}, area).x, 1920 - 375);
    EXPECT_EQ(PlaceWindow({1800, 1000}, area).y, 1040 - 233);
    EXPECT_EQ(Scale(155, 120), 194);
    EXPECT_EQ(Scale(-1, 96), -1);
}

}  // namespace
}  // namespace veskor
