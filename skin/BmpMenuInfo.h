// The items of the bitmap popup menu and the arithmetic around them: the pick messages' packing,
// the item images by position, where a sub-menu opens. Plain logic, no windows.
#pragma once
#include "skin/DisplayScale.h"

#include <windows.h>

#include <memory>
#include <vector>

constexpr size_t kMaxMenuItems = 20;      // a menu's or a sub-menu's button column
constexpr size_t kMenuTextChars = 260;    // 259 characters and the terminator
constexpr int kMenuExtraWidth = 20;       // items are this much wider than their image (96 DPI)

// One menu item. Sub-items carry no sub-items of their own.
struct tagBMPMENUINFO {
    wchar_t text[kMenuTextChars];
    BYTE hasSubItems;
    BYTE subMenuOpen;
    int id;
    std::unique_ptr<std::vector<tagBMPMENUINFO>> subItems;
};

// An item with the text cut to 259 characters, both flags clear and no sub-items.
tagBMPMENUINFO MakeMenuItem(const wchar_t* text, int id);

// Items at these positions wear the alternative images (those of items that open a sub-menu).
bool UsesAlternativeItemImages(size_t position);

struct MenuPick {
    WPARAM wParam;
    LPARAM lParam;
};

// WM_MENU_PICK for main item `index` without sub-items.
MenuPick MainItemPick(int index, int itemId);
// WM_SUBMENU_PICK for sub-item `subIndex` of main item `parentIndex`.
MenuPick SubItemPick(int parentIndex, int subIndex, int subItemId);
// The WM_MENU_PICK the menu posts on for a WM_SUBMENU_PICK of its item with `itemId`.
MenuPick ForwardedSubItemPick(const MenuPick& subPick, int itemId);

// Screen position of the sub-menu of item `index`: right of the menu, or left of it when it would
// cross the right edge of a screen `screenWidth` wide. `item` is the size of the menu's item
// image, `subImageWidth` the width of the sub-menu's, both at the menu's `scale`.
POINT SubMenuOrigin(POINT menu, SIZE item, int index, int subImageWidth, int screenWidth,
                    const DisplayScale& scale = DisplayScale());
