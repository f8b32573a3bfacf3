#include "framework/WindowPlacement.h"

namespace {
// The start of a span of `length` centred at `centreStart`, moved into [low, high).
LONG KeptInside(LONG centreStart, LONG length, LONG low, LONG high) {
    LONG start = centreStart;
    if (start + length > high) start = high - length;
    if (start < low) start = low;
    return start;
}
}  // namespace

POINT CentredInside(SIZE size, const RECT& over, const RECT& work) {
    const LONG x = over.left + (over.right - over.left - size.cx) / 2;
    const LONG y = over.top + (over.bottom - over.top - size.cy) / 2;
    return POINT{KeptInside(x, size.cx, work.left, work.right), KeptInside(y, size.cy, work.top, work.bottom)};
}
