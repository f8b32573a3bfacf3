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

// The runs of `row`, `width` pixels, into `runs`.
void RowRuns(const BYTE* row, int width, COLORREF outside, std::vector<Run>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        const int runStart = x;
        while (x < width && !IsOutsidePixel(row + static_cast<size_t>(x) * 4, outside)) ++x;
        if (x > runStart) runs.push_back(Run{runStart, x});
        ++x;
    }
}
}  // namespace

bool IsOutsidePixel(const BYTE* pixel, COLORREF outside) {
    return pixel[0] == GetBValue(outside) && pixel[1] == GetGValue(outside) && pixel[2] == GetRValue(outside);
}

RegionRects ScanRegionRuns(const DibPixels& pixels, COLORREF outside) {
    if (!Usable(pixels)) return RegionRects();
    return ScanRegionRows(
        pixels.width, pixels.height,
        [&pixels](int y) {
            return pixels.bits + static_cast<size_t>(pixels.height - 1 - y) * static_cast<size_t>(pixels.stride);
        },
        outside);
}

RegionRects ScanRegionRows(int width, int height, const RegionRowSource& rowAt, COLORREF outside) {
    RegionRects rects;
    if (width <= 0 || height <= 0 || !rowAt) return rects;
    std::vector<Run> band, runs;
    DWORD bandStart = 0;  // index of the band's first rectangle
    for (int y = 0; y < height; ++y) {
        const BYTE* row = rowAt(y);
        if (!row) {
            rects.Clear();
            return rects;
        }
        RowRuns(row, width, outside, runs);
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
