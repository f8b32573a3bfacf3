// The function menu of the button page as data: its items in order, the sub-items of each, and the
// texts they show. The main window turns it into a skinned popup menu.
#pragma once
#include "profile/ProfileSet.h"

#include <string>
#include <vector>

// Id of the macro editor entry of the macro sub-menu. The macros take their slots 0 to 14 as
// ids, so this one must be a number no slot can be; a pick carries the low 16 bits of an id.
constexpr int kMacroEditorEntryId = 0xFFFF;

struct FunctionMenuItem {
    std::wstring text;
    int id;  // a function code at the top level; a sub-item's own id below it
    std::vector<FunctionMenuItem> subItems;
};

// The whole menu. `macroNames` is the macro library's list in slot order; each macro's sub-item
// carries its slot.
std::vector<FunctionMenuItem> BuildFunctionMenu(const std::vector<std::wstring>& macroNames);

// Where a function stands in the menu: its item and, below it, the sub-item; -1 for none.
struct MenuPosition {
    int item;
    int subItem;
};

// The position of the function of `record` in `menu`: the top-level item with its code (for a
// macro, with the sub-item of its slot), else the item and sub-item naming the code; {-1, -1}
// when the menu does not show it.
MenuPosition FindFunctionInMenu(const std::vector<FunctionMenuItem>& menu, const ButtonAssignment& record);
