#include "skin/ParentSurface.h"

void InvalidateParentUnder(HWND child, BOOL erase) {
    HWND parent = ::GetParent(child);
    RECT area{};
    if (!parent || !::GetWindowRect(child, &area)) return;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::InvalidateRect(parent, &area, erase);
}
