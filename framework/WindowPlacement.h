// Where a window opens: centred over its owner or the work area, then moved inside the work area
// of its monitor (the screen less the taskbar and docked bars), so that neither its title row nor
// its bottom row lies off the screen or under the taskbar.
#pragma once
#include <windows.h>

// The top-left corner for a window of `size` centred over `over` and kept inside `work`; a window
// larger than `work` keeps its top-left corner inside it.
POINT CentredInside(SIZE size, const RECT& over, const RECT& work);
