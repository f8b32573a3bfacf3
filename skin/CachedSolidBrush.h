// A solid brush of one colour, made again only when the colour asked for changes. Controls hand
// it out on every WM_CTLCOLOR* without creating a brush per paint.
#pragma once
#include "skin/GdiObject.h"

class CachedSolidBrush {
public:
    HBRUSH Get(COLORREF color);

private:
    GdiObject<HBRUSH> brush;
    COLORREF brushColor = 0;
};
