// Tab and Shift+Tab along a window's own order of controls (reading order), instead of the
// order the controls were created in. A control that is hidden or disabled is passed over; a
// slider is named by its bar, whose thumb takes the focus.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

// The position after `current` (before it when `backwards`) among `count` positions that
// `usable` accepts, going round at the ends; `current` -1 starts before the first (after the last
// when `backwards`). -1 when no position is usable.
int NextFocusPosition(int count, int current, bool backwards, const std::function<bool(int)>& usable);

// The position in `order` of the control that has the focus, or of the control holding it (a
// bar whose thumb has it); -1 when none.
int FocusPosition(const std::vector<HWND>& order);

// Gives the focus to the next visible, enabled control of `order` after the focused one; false
// when there is none.
bool MoveFocusAlong(const std::vector<HWND>& order, bool backwards);
