#include "skin/SliderMath.h"

#include <windows.h>

#include <algorithm>

namespace {
// v = min + offset x range / scale, taken one step further when the offset lies more than half a
// step (span / range) past value v - 1, then kept in the range. An empty range or scale (which
// the owners never set) gives the minimum instead of a division by zero.
int SteppedValue(int offset, SliderRange range, int scale, int span) {
    const int width = range.maxValue - range.minValue;
    if (width <= 0 || scale <= 0) return range.minValue;
    int value = range.minValue + static_cast<int>(static_cast<long long>(offset) * width / scale);
    const int step = span / width;
    if (offset - (value - 1) * step > step / 2) ++value;
    return std::clamp(value, range.minValue, range.maxValue);
}
}

int ThumbOffsetForValue(int value, SliderRange range, int span, int thumbSize) {
    const int width = range.maxValue - range.minValue;
    if (width <= 0 || value < range.minValue || value > range.maxValue) return 0;
    return static_cast<int>(static_cast<long long>(span - thumbSize) * (value - range.minValue) / width);
}

int ValueFromThumbOffset(int offset, SliderRange range, int span, int thumbSize) {
    return SteppedValue(offset, range, span - thumbSize, span);
}

int ValueFromBarClick(int offset, SliderRange range, int span) {
    return SteppedValue(offset, range, span, span);
}

int ClampDragDelta(int delta, int start, int end, int trackMin, int trackMax) {
    if (start + delta < trackMin) delta = trackMin - start;
    if (end + delta > trackMax) delta = trackMax - end;
    return delta;
}

bool IsSliderKey(unsigned virtualKey) {
    switch (virtualKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        return true;
    default:
        return false;
    }
}

int ValueAfterKey(unsigned virtualKey, int value, SliderRange range, bool vertical) {
    const int page = std::max(1, (range.maxValue - range.minValue) / 10);
    const int up = vertical ? -1 : 1;  // what Up and Page Up add, in lines and pages
    int moved = value;
    switch (virtualKey) {
    case VK_LEFT: moved = value - 1; break;
    case VK_RIGHT: moved = value + 1; break;
    case VK_UP: moved = value + up; break;
    case VK_DOWN: moved = value - up; break;
    case VK_PRIOR: moved = value + up * page; break;
    case VK_NEXT: moved = value - up * page; break;
    case VK_HOME: moved = range.minValue; break;
    case VK_END: moved = range.maxValue; break;
    default: return value;
    }
    return std::clamp(moved, range.minValue, std::max(range.minValue, range.maxValue));
}
