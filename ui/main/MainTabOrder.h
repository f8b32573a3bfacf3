// The order in which Tab and Shift+Tab go through the main window's controls: the layout's
// reading order (profile tabs, page tabs, the controls of the page shown, the bottom row, the web
// link, minimise and close) without the labels and the row markers, which a mouse cannot use.
// Hidden and disabled controls are passed over when the focus moves (FocusOrder.h).
#pragma once
#include "ui/main/MainLayout.h"

#include <vector>

// Whether a control of `style` takes the keyboard focus.
bool TakesFocus(ControlStyle style);

std::vector<HWND> MainTabOrder(MainLayout& layout, int page);
