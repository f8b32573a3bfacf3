// The scan behind window regions: runs of pixels that are not the outside colour, row by row from
// the top, gathered into batches of at most kRegionBatchLimit rectangles.
#pragma once
#include "skin/RegionRects.h"

#include <functional>

constexpr DWORD kRegionBatchLimit = 2000;

// 32-bit pixels (blue, green, red and an unused byte) with the rows stored bottom-up, as in a DIB
// of positive height. `stride` is the length of a stored row in bytes.
struct DibPixels {
    const BYTE* bits;
    int width;
    int height;
    int stride;
};

// True when blue, green and red equal those of `outside`; the fourth byte does not count.
bool IsOutsidePixel(const BYTE* pixel, COLORREF outside);

// Hands `batch` the rectangles (x0, y, x1, y + 1) of the runs, y = 0 being the top row: every
// time kRegionBatchLimit have gathered, and once more with the rest at the end, even when none
// are left. Pixels that do not fit their rows give no runs.
void ScanRegionRuns(const DibPixels& pixels, COLORREF outside, const std::function<void(const RegionRects&)>& batch);
