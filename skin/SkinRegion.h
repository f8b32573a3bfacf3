// Window shapes from region bitmaps: pure white marks the outside.
#pragma once
#include "skin/GdiObject.h"

#include <string>

// Decodes a .bmp file into `bitmap` (replacing what it held) and returns its size. A missing or
// undecodable file leaves `bitmap` empty and returns 0 x 0.
SIZE LoadRegionBitmap(const std::wstring& path, GdiObject<HBITMAP>& bitmap);

// The region of the pixels of `bitmap` whose colour is not `outside` (blue, green and red compared
// exactly; the fourth byte does not count), row 0 at the top. None when the bitmap is none or the
// drawing calls fail.
GdiObject<HRGN> CreateRegionFromBitmap(HBITMAP bitmap, COLORREF outside = RGB(255, 255, 255));
