#include "skin/RegionScan.h"

namespace {
bool Usable(const DibPixels& pixels) {
    return pixels.bits && pixels.width > 0 && pixels.height > 0 &&
           static_cast<long long>(pixels.stride) >= static_cast<long long>(pixels.width) * 4;
}
}

bool IsOutsidePixel(const BYTE* pixel, COLORREF outside) {
    return pixel[0] == GetBValue(outside) && pixel[1] == GetGValue(outside) && pixel[2] == GetRValue(outside);
}

void ScanRegionRuns(const DibPixels& pixels, COLORREF outside, const std::function<void(const RegionRects&)>& batch) {
    RegionRects rects;
    if (Usable(pixels)) {
        for (int y = 0; y < pixels.height; ++y) {
            const BYTE* row = pixels.bits + static_cast<size_t>(pixels.height - 1 - y) * static_cast<size_t>(pixels.stride);
            int x = 0;
            while (x < pixels.width) {
                const int runStart = x;
                while (x < pixels.width && !IsOutsidePixel(row + static_cast<size_t>(x) * 4, outside)) ++x;
                if (x > runStart) {
                    rects.Add(RECT{runStart, y, x, y + 1});
                    if (rects.Count() == kRegionBatchLimit) {
                        batch(rects);
                        rects.Clear();
                    }
                }
                ++x;
            }
        }
    }
    batch(rects);
}
