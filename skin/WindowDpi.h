// The DPI a window is laid out at: its monitor's (GetDpiForWindow, Windows 10 1607 and later),
// else the system's.
#pragma once
#include "skin/DisplayScale.h"

UINT WindowDpi(HWND window);
DisplayScale WindowScale(HWND window);
