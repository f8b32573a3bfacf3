// A child control that paints no background of its own shows its parent's surface through it:
// to take away what it drew, the parent paints its surface under the child again.
#pragma once
#include <windows.h>

// Invalidates the parent's client area under `child`, erased first when `erase` is set.
void InvalidateParentUnder(HWND child, BOOL erase);
