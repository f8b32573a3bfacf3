#include "framework/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {
TEST(WindowPlacement, CentredAndKeptInsideTheWorkArea) {
    struct PlacementCase {
        const char* name;
        SIZE size;
        RECT over;
        RECT work;
        POINT corner;
    };
    const RECT fullHd{0, 0, 1920, 1040};  // 1080 lines less a 40-line taskbar
    const PlacementCase cases[] = {
        {"fits, centred", {1024, 700}, fullHd, fullHd, {448, 170}},
        {"175%: taller than the work area, title row on screen", {1792, 1225}, fullHd, fullHd, {64, 0}},
        {"wider and taller", {2048, 1400}, fullHd, fullHd, {0, 0}},
        {"over an owner near the right edge", {478, 292}, {1700, 100, 1900, 400}, fullHd, {1442, 104}},
        {"over an owner above the screen", {478, 292}, {100, -300, 500, 0}, fullHd, {61, 0}},
        {"over an owner below the taskbar line", {757, 582}, {0, 900, 800, 1080}, fullHd, {21, 458}},
        {"second monitor with a work area off the origin", {1024, 700}, {1920, 30, 3840, 1080}, {1920, 30, 3840, 1080},
         {2368, 205}},
        {"taskbar on the left of the second monitor", {1536, 1050}, {1980, 0, 3840, 1080}, {1980, 0, 3840, 1080},
         {2142, 15}},
    };
    for (const PlacementCase& c : cases) {
        const POINT corner = CentredInside(c.size, c.over, c.work);
        EXPECT_EQ(c.corner.x, corner.x) << c.name;
        EXPECT_EQ(c.corner.y, corner.y) << c.name;
    }
}
}  // namespace
