#include "functions/FunctionMenu.h"

#include "framework/Folders.h"
#include "text/LocalisedText.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {
std::vector<int> Ids(const std::vector<FunctionMenuItem>& items) {
    std::vector<int> ids;
    for (const FunctionMenuItem& item : items) ids.push_back(item.id);
    return ids;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> codes;
    for (int code = first; code <= last; ++code) codes.push_back(code);
    return codes;
}

TEST(FunctionMenu, TopLevelAndSubMenusInOrder) {
    InitFolders();
    const std::vector<FunctionMenuItem> menu = BuildFunctionMenu({L"Reload", L"Combo"});
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 52, 53, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 54, 16}), Ids(menu));
    struct SubMenu {
        size_t position;
        std::vector<int> ids;
    };
    const SubMenu subMenus[] = {
        {9, Range(17, 24)},  {10, Range(25, 38)},     {11, Range(39, 46)},
        {12, {0xFFFF, 0, 1}}, {14, {47, 48, 49}},     {16, {55, 50, 51}},
    };
    size_t withSubItems = 0;
    for (const FunctionMenuItem& item : menu) withSubItems += item.subItems.empty() ? 0 : 1;
    EXPECT_EQ(std::size(subMenus), withSubItems);
    for (const SubMenu& sub : subMenus) {
        const FunctionMenuItem& item = menu[sub.position];
        EXPECT_EQ(sub.ids, Ids(item.subItems)) << item.id;
        for (const FunctionMenuItem& subItem : item.subItems) {
            if (item.id != 11) {
                EXPECT_EQ(GetFunctionName(subItem.id), subItem.text) << subItem.id;
            }
        }
    }
    for (const FunctionMenuItem& item : menu) {
        EXPECT_EQ(GetFunctionName(item.id), item.text) << item.id;
        EXPECT_FALSE(item.text.empty()) << item.id;
    }
}

TEST(FunctionMenu, MacroSubMenuListsTheLibraryBehindTheEditorEntry) {
    InitFolders();
    std::vector<std::wstring> library;
    for (int slot = 0; slot < 15; ++slot) library.push_back(L"Macro " + std::to_wstring(slot));
    const std::vector<FunctionMenuItem> menu = BuildFunctionMenu(library);
    const FunctionMenuItem& macros = menu[12];
    ASSERT_EQ(16u, macros.subItems.size());
    EXPECT_EQ(GetMacroMenuLabel(), macros.subItems[0].text);
    EXPECT_FALSE(macros.subItems[0].text.empty());
    // The twelfth macro keeps its slot as its id, apart from the editor entry's.
    EXPECT_EQ(L"Macro 11", macros.subItems[12].text);
    EXPECT_EQ(11, macros.subItems[12].id);
    EXPECT_EQ(L"Macro 14", macros.subItems[15].text);

    EXPECT_EQ(1u, BuildFunctionMenu({})[12].subItems.size()) << "the editor entry without macros";
}

TEST(FunctionMenu, TheRecordsFunctionIsFoundAsItemOrSubItem) {
    InitFolders();
    const std::vector<FunctionMenuItem> menu = BuildFunctionMenu({L"Reload", L"Combo"});
    struct FindCase {
        int code;
        int keyNumber;
        MenuPosition position;
    };
    const FindCase cases[] = {
        {FUNC_LEFT_CLICK, 0, {0, -1}},
        {FUNC_SINGLE_KEY, 0, {7, -1}},
        {FUNC_SCROLL_FIRST + 1, 0, {6, -1}},
        {FUNC_BASIC_FIRST + 2, 0, {9, 2}},
        {FUNC_MEDIA_LAST, 0, {11, 7}},
        {FUNC_DPI_FIRST, 0, {14, 0}},
        {FUNC_SCROLL_LAST, 0, {16, 0}},  // the scroll code in the rate sub-menu
        {FUNC_RATE_LAST, 0, {16, 2}},
        {FUNC_MACRO, 1, {12, 2}},        // slot 1, behind the editor entry
        {FUNC_MACRO, 9, {12, -1}},       // a slot the library lacks
        {FUNC_UNSET, 0, {-1, -1}},
    };
    for (const FindCase& c : cases) {
        ButtonAssignment record{};
        record.ButtonFunc = static_cast<std::uint8_t>(c.code);
        record.KeyNumber = static_cast<std::uint8_t>(c.keyNumber);
        const MenuPosition found = FindFunctionInMenu(menu, record);
        EXPECT_EQ(c.position.item, found.item) << c.code;
        EXPECT_EQ(c.position.subItem, found.subItem) << c.code;
    }
}
}  // namespace
