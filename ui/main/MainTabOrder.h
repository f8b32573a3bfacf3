// The order in which Tab and Shift+Tab go through the main window's controls, the reading order:
// profile tabs, page tabs, the controls of the page shown (left column, then right column, each
// top to bottom), the bottom row, the web link, minimise and close. Labels and the button markers
// are not in it, nothing a mouse cannot use is; hidden and disabled controls are passed over when
// the focus moves (FocusOrder.h).
#pragma once
#include "ui/main/MainLayout.h"

#include <vector>

std::vector<HWND> MainTabOrder(MainLayout& layout, int page);
