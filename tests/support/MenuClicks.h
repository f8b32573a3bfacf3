// Clicks on a skinned popup menu (skin/CBmpMenu.h) from outside it, as the mouse makes them.
#pragma once
#include <windows.h>

// Height of one item of the function menu and of its sub-menus (menuitem-n.png).
constexpr int kMenuItemHeight = 24;

// The item button at `index` of a menu or sub-menu column whose first item starts `firstTop`
// pixels below the column's top; null when there is none.
HWND MenuItemButton(HWND column, int index, int firstTop = 0);
// A press and release of the left mouse button on `item`; the waiting messages run after.
void ClickMenuItem(HWND item);
// Rests the mouse on item `index` of `menu` and returns the sub-menu column that opens beside
// it, or null.
HWND OpenSubMenu(HWND menu, int index);
