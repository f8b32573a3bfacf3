#include "skin/RegionRects.h"

#include <algorithm>

RegionRects::RegionRects() : block(kHeaderSlots + kGrowth, RECT{0, 0, 0, 0}) {
    RGNDATAHEADER& header = Header();
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nRgnSize = 0;
    Clear();
}

void RegionRects::Clear() {
    RGNDATAHEADER& header = Header();
    header.nCount = 0;
    header.rcBound = RECT{MAXLONG, MAXLONG, 0, 0};
}

void RegionRects::Add(const RECT& rect) {
    if (Count() == Capacity()) block.resize(block.size() + kGrowth, RECT{0, 0, 0, 0});
    RGNDATAHEADER& header = Header();
    block[kHeaderSlots + header.nCount] = rect;
    ++header.nCount;
    RECT& bound = header.rcBound;
    bound.left = std::min(bound.left, rect.left);
    bound.top = std::min(bound.top, rect.top);
    bound.right = std::max(bound.right, rect.right);
    bound.bottom = std::max(bound.bottom, rect.bottom);
}

void RegionRects::ExtendDown(DWORD first, LONG bottom) {
    RGNDATAHEADER& header = Header();
    for (DWORD i = first; i < header.nCount; ++i) block[kHeaderSlots + i].bottom = bottom;
    if (first < header.nCount) header.rcBound.bottom = std::max(header.rcBound.bottom, bottom);
}

RECT RegionRects::At(DWORD index) const {
    if (index >= Count()) return RECT{0, 0, 0, 0};
    return block[kHeaderSlots + index];
}
