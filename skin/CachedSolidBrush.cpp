#include "skin/CachedSolidBrush.h"

HBRUSH CachedSolidBrush::Get(COLORREF color) {
    if (!brush || brushColor != color) {
        brush.Reset(::CreateSolidBrush(color));
        brushColor = color;
    }
    return brush.Get();
}
