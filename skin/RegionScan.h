// The scan behind window regions: runs of pixels that are not the outside colour, row by row from
// the top, with rows whose runs equal those of the row above merged into one band.
#pragma once
#include "skin/RegionRects.h"

#include <functional>

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

// Every run as a rectangle (x0, top, x1, bottom), y = 0 being the top row, all in one block for
// one ExtCreateRegion: a run that starts and ends where a run of the row above does continues
// that rectangle when the two rows have the same runs. Pixels that do not fit their rows give none.
RegionRects ScanRegionRuns(const DibPixels& pixels, COLORREF outside);

// The 32-bit pixels of row `y` (0 at the top), or null when the row cannot be had.
using RegionRowSource = std::function<const BYTE*(int y)>;
// The same scan over `height` rows of `width` pixels, asked for one at a time from the top down:
// a source can hand out a few rows at a time. A row that cannot be had gives no rectangles at all.
RegionRects ScanRegionRows(int width, int height, const RegionRowSource& rowAt, COLORREF outside);
