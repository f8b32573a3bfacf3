// The scan behind window regions: runs of pixels that are not the outside colour, row by row from
// the top, with rows whose runs equal those of the row above merged into one band.
#pragma once
#include "skin/RegionRects.h"

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
