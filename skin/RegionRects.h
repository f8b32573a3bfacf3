// Rectangles gathered for ExtCreateRegion: one RGNDATA block (header and rectangles) whose room
// grows by 100 rectangles at a time, with the bounding rectangle kept up to date.
#pragma once
#include <windows.h>

#include <vector>

class RegionRects {
public:
    static constexpr DWORD kGrowth = 100;

    RegionRects();

    void Add(const RECT& rect);
    // Moves the bottom of the rectangles from `first` to the last down to `bottom`.
    void ExtendDown(DWORD first, LONG bottom);
    // Forgets the rectangles and the bounds; the room stays.
    void Clear();

    DWORD Count() const { return Header().nCount; }
    DWORD Capacity() const { return static_cast<DWORD>(block.size()) - kHeaderSlots; }
    RECT Bounds() const { return Header().rcBound; }
    // The rectangle at `index` (below Count()), or an empty one.
    RECT At(DWORD index) const;

    // The block for ExtCreateRegion and its size: the header and room for Capacity() rectangles.
    const RGNDATA* Data() const { return reinterpret_cast<const RGNDATA*>(block.data()); }
    DWORD DataSize() const { return static_cast<DWORD>(block.size() * sizeof(RECT)); }

private:
    // The block is held as RECTs so that header and rectangles stay aligned; the 32-byte header
    // fills the first two.
    static constexpr DWORD kHeaderSlots = sizeof(RGNDATAHEADER) / sizeof(RECT);
    static_assert(sizeof(RGNDATAHEADER) == kHeaderSlots * sizeof(RECT), "the header fills whole slots");

    const RGNDATAHEADER& Header() const { return *reinterpret_cast<const RGNDATAHEADER*>(block.data()); }
    RGNDATAHEADER& Header() { return *reinterpret_cast<RGNDATAHEADER*>(block.data()); }

    std::vector<RECT> block;
};
