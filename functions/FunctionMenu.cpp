#include "functions/FunctionMenu.h"

#include "profile/ProfileSet.h"
#include "text/LocalisedText.h"

namespace {
struct CodeRange {
    int first;
    int last;
};

struct TopLevelItem {
    int code;
    std::vector<CodeRange> subCodes;  // sub-items named by their function codes, in this order
};

// The top level in menu order. The macro item's sub-items come from the library instead.
const TopLevelItem kTopLevel[] = {
    {FUNC_LEFT_CLICK, {}},
    {FUNC_RIGHT_CLICK, {}},
    {FUNC_MIDDLE_CLICK, {}},
    {FUNC_FORWARD, {}},
    {FUNC_BACK, {}},
    {FUNC_SCROLL_LEFT, {}},
    {FUNC_SCROLL_RIGHT, {}},
    {FUNC_SINGLE_KEY, {}},
    {FUNC_KEY_COMBINATION, {}},
    {FUNC_BASIC_MENU, {{FUNC_BASIC_FIRST, FUNC_BASIC_LAST}}},
    {FUNC_ADVANCED_MENU, {{FUNC_ADVANCED_FIRST, FUNC_ADVANCED_LAST}}},
    {FUNC_MEDIA_MENU, {{FUNC_MEDIA_FIRST, FUNC_MEDIA_LAST}}},
    {FUNC_MACRO, {}},
    {FUNC_FIRE_KEY, {}},
    {FUNC_DPI_MENU, {{FUNC_DPI_FIRST, FUNC_DPI_LAST}}},
    {FUNC_SWITCH_PROFILE, {}},
    {FUNC_RATE_MENU, {{FUNC_POLLING_RATE_CYCLE, FUNC_POLLING_RATE_CYCLE}, {FUNC_RATE_FIRST, FUNC_RATE_LAST}}},
    {FUNC_AUTO_SCROLL, {}},
    {FUNC_DISABLED, {}},
};

std::vector<FunctionMenuItem> MacroSubItems(const std::vector<std::wstring>& macroNames) {
    std::vector<FunctionMenuItem> items{{GetMacroMenuLabel(), kMacroEditorEntryId, {}}};
    for (size_t slot = 0; slot < macroNames.size(); ++slot) {
        items.push_back({macroNames[slot], static_cast<int>(slot), {}});
    }
    return items;
}
}  // namespace

std::vector<FunctionMenuItem> BuildFunctionMenu(const std::vector<std::wstring>& macroNames) {
    std::vector<FunctionMenuItem> menu;
    for (const TopLevelItem& top : kTopLevel) {
        FunctionMenuItem item{GetFunctionName(top.code), top.code, {}};
        for (const CodeRange& range : top.subCodes) {
            for (int code = range.first; code <= range.last; ++code) {
                item.subItems.push_back({GetFunctionName(code), code, {}});
            }
        }
        if (top.code == FUNC_MACRO) item.subItems = MacroSubItems(macroNames);
        menu.push_back(std::move(item));
    }
    return menu;
}

namespace {
int SubItemWithId(const std::vector<FunctionMenuItem>& subItems, int id) {
    for (size_t k = 0; k < subItems.size(); ++k) {
        if (subItems[k].id == id) return static_cast<int>(k);
    }
    return -1;
}
}  // namespace

MenuPosition FindFunctionInMenu(const std::vector<FunctionMenuItem>& menu, const ButtonAssignment& record) {
    const int code = record.ButtonFunc;
    for (size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].id != code) continue;
        const int slot = code == FUNC_MACRO ? SubItemWithId(menu[i].subItems, record.KeyNumber) : -1;
        return MenuPosition{static_cast<int>(i), slot};
    }
    for (size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].id == FUNC_MACRO) continue;
        const int k = SubItemWithId(menu[i].subItems, code);
        if (k >= 0) return MenuPosition{static_cast<int>(i), k};
    }
    return MenuPosition{-1, -1};
}
