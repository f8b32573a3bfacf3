#include "skin/SliderMath.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {
// The sliders of the tool: 244 x 18 bars with 14-pixel thumbs, 255-pixel colour bars, and
// vertical DPI bars 215 high with 13-pixel thumbs.
struct OffsetCase {
    int value;
    SliderRange range;
    int span;
    int thumb;
    int offset;
};

TEST(SliderMath, ThumbOffsetIsLinearInTheValue) {
    const OffsetCase cases[] = {
        {1, {1, 4}, 244, 14, 0},
        {4, {1, 4}, 244, 14, 230},
        {2, {1, 4}, 244, 14, 76},    // 230 x 1 / 3, truncated
        {0, {0, 10}, 244, 14, 0},
        {10, {0, 10}, 244, 14, 230},
        {5, {0, 10}, 244, 14, 115},
        {2, {2, 80}, 215, 13, 0},    // vertical: the smallest value at the top
        {80, {2, 80}, 215, 13, 202},
        {41, {2, 80}, 215, 13, 101},
        {256, {1, 256}, 255, 14, 241},
        {11, {1, 10}, 244, 14, 0},   // above the range: placed as the minimum
        {0, {1, 10}, 244, 14, 0},    // below the range
        {-5, {0, 10}, 244, 14, 0},
        {3, {3, 3}, 244, 14, 0},     // an empty range never divides by zero
    };
    for (const OffsetCase& c : cases) {
        EXPECT_EQ(c.offset, ThumbOffsetForValue(c.value, c.range, c.span, c.thumb))
            << "value " << c.value << " in " << c.range.minValue << ".." << c.range.maxValue;
    }
}

TEST(SliderMath, ValueOfAReleasedThumb) {
    const OffsetCase cases[] = {
        // value, range, span, thumb, offset
        {1, {1, 4}, 244, 14, 0},      // left end
        {4, {1, 4}, 244, 14, 230},    // right end
        {2, {1, 4}, 244, 14, 77},
        {2, {1, 4}, 244, 14, 121},    // 1 + 121 x 3 / 230 = 2; 121 - 81 = 40 is not more than half a step
        {3, {1, 4}, 244, 14, 122},    // 41 is: one more
        {1, {0, 10}, 244, 14, 0},     // a range starting at 0 reports 1 at its left end
        {10, {0, 10}, 244, 14, 230},
        {2, {2, 80}, 215, 13, 0},     // top of a DPI slider
        {80, {2, 80}, 215, 13, 202},  // bottom
        {1, {1, 256}, 255, 14, 0},
        {256, {1, 256}, 255, 14, 241},
        {3, {3, 3}, 244, 14, 100},    // empty range: the minimum
        {1, {1, 4}, 14, 14, 0},       // thumb as long as the track: the minimum
    };
    for (const OffsetCase& c : cases) {
        EXPECT_EQ(c.value, ValueFromThumbOffset(c.offset, c.range, c.span, c.thumb))
            << "offset " << c.offset << " in " << c.range.minValue << ".." << c.range.maxValue;
    }
}

TEST(SliderMath, ValueOfABarClick) {
    struct ClickCase {
        int offset;
        SliderRange range;
        int span;
        int value;
    };
    const ClickCase cases[] = {
        {0, {0, 10}, 100, 1},     // a click in step k (from 0) gives k + 1
        {9, {0, 10}, 100, 1},
        {10, {0, 10}, 100, 2},
        {55, {0, 10}, 100, 6},
        {99, {0, 10}, 100, 10},
        {100, {0, 10}, 100, 10},  // the far end gives the maximum
        {0, {1, 4}, 244, 1},
        {243, {1, 4}, 244, 4},
        {121, {1, 4}, 244, 2},    // 121 - 81 = 40: not more than half a step
        {122, {1, 4}, 244, 3},
        {-4, {1, 4}, 244, 1},     // outside the bar: kept in the range
        {400, {1, 4}, 244, 4},
        {5, {1, 4}, 0, 1},        // a bar of no size: the minimum
    };
    for (const ClickCase& c : cases) {
        EXPECT_EQ(c.value, ValueFromBarClick(c.offset, c.range, c.span))
            << "offset " << c.offset << " in " << c.range.minValue << ".." << c.range.maxValue;
    }
}

TEST(SliderMath, DragStopsAtTheTrackEnds) {
    struct DragCase {
        int delta;
        int start;
        int end;
        int clamped;
    };
    const DragCase cases[] = {
        {10, 50, 64, 10},
        {-10, 50, 64, -10},
        {-80, 50, 64, -50},   // stops at trackMin 0
        {500, 50, 64, 180},   // stops at trackMax 244
        {0, 0, 14, 0},
        {5, 230, 244, 0},
    };
    for (const DragCase& c : cases) {
        EXPECT_EQ(c.clamped, ClampDragDelta(c.delta, c.start, c.end, 0, 244)) << "delta " << c.delta;
    }
}

TEST(SliderMath, KeysMoveOneValueATenthOfTheRangeOrToTheEnds) {
    struct KeyCase {
        unsigned key;
        int value;
        SliderRange range;
        int moved;
        bool vertical = false;
    };
    const KeyCase cases[] = {
        {VK_LEFT, 5, {1, 10}, 4},      {VK_DOWN, 5, {1, 10}, 4},
        {VK_RIGHT, 5, {1, 10}, 6},     {VK_UP, 5, {1, 10}, 6},
        {VK_LEFT, 1, {1, 10}, 1},      // stays at the ends
        {VK_RIGHT, 10, {1, 10}, 10},
        {VK_NEXT, 100, {0, 255}, 75},  // a tenth of 255 is 25
        {VK_PRIOR, 100, {0, 255}, 125},
        {VK_PRIOR, 250, {0, 255}, 255},
        {VK_NEXT, 10, {0, 255}, 0},
        {VK_PRIOR, 2, {1, 4}, 3},      // a range under ten moves one
        {VK_HOME, 7, {1, 20}, 1},
        {VK_END, 7, {1, 20}, 20},
        {VK_SPACE, 7, {1, 20}, 7},     // not a slider key
        {VK_TAB, 7, {1, 20}, 7},
        // Vertical: the smallest value at the top, where Up and Page Up go.
        {VK_UP, 40, {2, 80}, 39, true},   {VK_DOWN, 40, {2, 80}, 41, true},
        {VK_LEFT, 40, {2, 80}, 39, true}, {VK_RIGHT, 40, {2, 80}, 41, true},
        {VK_PRIOR, 40, {2, 80}, 33, true}, {VK_NEXT, 40, {2, 80}, 47, true},
        {VK_HOME, 40, {2, 80}, 2, true},  {VK_END, 40, {2, 80}, 80, true},
        {VK_UP, 2, {2, 80}, 2, true},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(c.moved, ValueAfterKey(c.key, c.value, c.range, c.vertical))
            << "key " << c.key << " at " << c.value << (c.vertical ? " vertical" : "");
        EXPECT_EQ(c.key != VK_SPACE && c.key != VK_TAB, IsSliderKey(c.key)) << "key " << c.key;
    }
}
}  // namespace
