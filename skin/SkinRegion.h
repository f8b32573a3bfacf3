// Window shapes from region bitmaps: pure white marks the outside.
#pragma once
#include "skin/DisplayScale.h"
#include "skin/GdiObject.h"

#include <string>

// Decodes a .bmp file into `bitmap` (replacing what it held) and returns its size. A missing or
// undecodable file leaves `bitmap` empty and returns 0 x 0.
SIZE LoadRegionBitmap(const std::wstring& path, GdiObject<HBITMAP>& bitmap);

// The region bitmap of `path` (a 96 DPI file) for a window at `scale`: the file of the scale's
// artwork set, else the 96 DPI file; one of another scale is stretched pixel for pixel (no
// blending, so white stays exactly white) to the scale's size of its 96 DPI size.
SIZE LoadRegionBitmap(const std::wstring& path, GdiObject<HBITMAP>& bitmap, const DisplayScale& scale);

// The region of the pixels of `bitmap` whose colour is not `outside` (blue, green and red compared
// exactly; the fourth byte does not count), row 0 at the top. None when the bitmap is none or the
// drawing calls fail.
GdiObject<HRGN> CreateRegionFromBitmap(HBITMAP bitmap, COLORREF outside = RGB(255, 255, 255));
