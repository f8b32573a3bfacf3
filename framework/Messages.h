// Every private window message of the tool, and those exchanged with the device service and the
// input hook library. Messages between controls are posted; the tool's messages to the device
// service are sent.
#pragma once
#include <windows.h>

// Skinned controls.
constexpr UINT WM_SUBMENU_PICK = 0x0500;    // wParam: parent item index << 16 | sub-item index; lParam: sub-item id
constexpr UINT WM_MENU_PICK = 0x0501;       // wParam: item index << 16 | sub-item index; lParam: item id << 16 | sub-item id
constexpr UINT WM_SUBMENU_CLOSE = 0x0502;   // wParam: the parent item index; lParam: 0 (a sub-menu's Left or Escape)
constexpr UINT WM_EDIT_KEYUP = 0x1402;      // wParam: virtual-key code of the released key; lParam: the field's tag
constexpr UINT WM_EDIT_FOCUS = 0x1403;      // wParam: 1 focus gained, 2 focus lost; lParam: 0
constexpr UINT WM_BUTTON_HOVER = 0x1511;    // wParam: the button's window handle; lParam: 0
constexpr UINT WM_SLIDER_CHANGED = 0x1513;  // wParam: the new value; lParam: the slider's id

// Macro event list.
constexpr UINT WM_LIST_RIGHTCLICK = 0x3400;    // wParam: row under the pointer; lParam: its datum (0 to the parent)
constexpr UINT WM_LIST_VALUE_EDITED = 0x3401;  // wParam: the new value; lParam: the edited row
constexpr UINT WM_LIST_CLICK = 0x3402;         // wParam: the clicked row; lParam: its datum (0 to the parent)

// Input hook library.
constexpr UINT WM_HOOK_KEY = 0x08D2;  // wParam: virtual-key code, left and right told apart; lParam: 0x80 release | 1 extended
constexpr UINT WM_HOOK_NOTICE = 0x08D3;  // posted by a dialog to itself: wParam: the HookProblem; lParam: 0

// Device service to the tool.
constexpr UINT WM_DEVICE_PRESENCE = 1245;  // wParam, lParam: not used; the state is in the device flag
constexpr UINT WM_DEVICE_SETTING = 5397;   // wParam: setting id (SETTING_*); lParam: the value

// The tool to the device service.
constexpr UINT WM_SERVICE_APPLY = 1246;          // wParam, lParam: 0; the five profile files are complete
constexpr UINT WM_SERVICE_MACRO_CHANGED = 5396;  // wParam: the macro's library slot, -1 when not found; lParam: 0
constexpr UINT WM_SERVICE_MACRO_BUTTON = 5398;   // wParam: profile index 0 to 4; lParam: button index 0 to 7
