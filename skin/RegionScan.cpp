#include "skin/RegionScan.h"

#include <vector>

namespace {
bool Usable(const DibPixels& pixels) {
    return pixels.bits && pixels.width > 0 && pixels.height > 0 &&
           static_cast<long long>(pixels.stride) >= static_cast<long long>(pixels.width) * 4;
}

struct Run {
    int left;
    int right;
    bool operator==(const Run& other) const { return left == other.left && right == other.right; }
};

// The runs of row `y` (0 at the top) into `runs`.
void RowRuns(const DibPixels& pixels, int y, COLORREF outside, std::vector<Run>& runs) {
    runs.clear();
    const BYTE* row = pixels.bits + static_cast<size_t>(pixels.height - 1 - y) * static_cast<size_t>(pixels.stride);
    int x = 0;
    while (x < pixels.width) {
        const int runStart = x;
        while (x < pixels.width && !IsOutsidePixel(row + static_cast<size_t>(x) * 4, outside)) ++x;
        if (x > runStart) runs.push_back(Run{runStart, x});
        ++x;
    }
}
}  // namespace

bool IsOutsidePixel(const BYTE* pixel, COLORREF outside) {
    return pixel[0] == GetBValue(outside) && pixel[1] == GetGValue(outside) && pixel[2] == GetRValue(outside);
}

RegionRects ScanRegionRuns(const DibPixels& pixels, COLORREF outside) {
    RegionRects rects;
    if (!Usable(pixels)) return rects;
    std::vector<Run> band, runs;
    DWORD bandStart = 0;  // index of the band's first rectangle
    for (int y = 0; y < pixels.height; ++y) {
        RowRuns(pixels, y, outside, runs);
        if (y > 0 && runs == band) {
            rects.ExtendDown(bandStart, y + 1);
            continue;
        }
        band.swap(runs);
        bandStart = rects.Count();
        for (const Run& run : band) rects.Add(RECT{run.left, y, run.right, y + 1});
    }
    return rects;
}
