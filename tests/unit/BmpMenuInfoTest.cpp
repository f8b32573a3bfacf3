#include "skin/BmpMenuInfo.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(BmpMenuInfo, PickPacking) {
    struct PickCase {
        const char* name;
        MenuPick pick;
        WPARAM wParam;
        LPARAM lParam;
    };
    const MenuPick subPick = SubItemPick(3, 5, 47);
    const PickCase cases[] = {
        {"main item 0", MainItemPick(0, 1), 0x00000000, 0x00010000},
        {"main item 4", MainItemPick(4, 12), 0x00040000, 0x000C0000},
        {"main item 19, id 255", MainItemPick(19, 255), 0x00130000, 0x00FF0000},
        {"sub-item 5 of item 3", subPick, 0x00030005, 47},
        {"sub-item id keeps its low 16 bits", SubItemPick(1, 0, 0x12345), 0x00010000, 0x2345},
        {"sub-item id -1 is not sign-extended", SubItemPick(1, 2, -1), 0x00010002, 0xFFFF},
        {"forwarded: item id high, sub-item id low", ForwardedSubItemPick(subPick, 13), 0x00030005, 0x000D002F},
        {"forwarded 0xFFFF", ForwardedSubItemPick(SubItemPick(2, 1, 0xFFFF), 11), 0x00020001, 0x000BFFFF},
        {"forwarded, big item id", ForwardedSubItemPick(SubItemPick(2, 1, 3), 0x8001), 0x00020001, 0x80010003},
    };
    for (const PickCase& c : cases) {
        EXPECT_EQ(c.wParam, c.pick.wParam) << c.name;
        EXPECT_EQ(c.lParam, c.pick.lParam) << c.name;
    }
}

TEST(BmpMenuInfo, ItemTextIsCutTo259Characters) {
    const std::wstring longText(300, L'x');
    struct TextCase {
        const wchar_t* text;
        size_t length;
    };
    const TextCase cases[] = {{L"DPI", 3}, {L"", 0}, {nullptr, 0}, {longText.c_str(), 259}};
    for (const TextCase& c : cases) {
        tagBMPMENUINFO item = MakeMenuItem(c.text, 7);
        EXPECT_EQ(c.length, wcslen(item.text));
        EXPECT_EQ(7, item.id);
        EXPECT_EQ(0, item.hasSubItems);
        EXPECT_EQ(0, item.subMenuOpen);
        EXPECT_EQ(nullptr, item.subItems);
    }
}

TEST(BmpMenuInfo, AlternativeImagesAtPositions9To12_14And16) {
    std::wstring marks;
    for (size_t position = 0; position < kMaxMenuItems; ++position) marks += UsesAlternativeItemImages(position) ? L'A' : L'-';
    EXPECT_EQ(L"---------AAAA-A-A---", marks);
}

TEST(BmpMenuInfo, SubMenuOpensRightOfTheMenuOrLeftOfItAtTheScreenEdge) {
    struct OriginCase {
        const char* name;
        POINT menu;
        int index;
        int screenWidth;
        POINT origin;
    };
    // Item images 150 x 24 make the menu 170 wide; a sub-menu of 150-pixel images is 170 wide.
    const OriginCase cases[] = {
        {"room on the right", {100, 50}, 0, 1280, {270, 50}},
        {"beside item 3", {100, 50}, 3, 1280, {270, 122}},
        {"ends exactly at the edge", {940, 0}, 1, 1280, {1110, 24}},
        {"one pixel too far: left", {941, 0}, 1, 1280, {771, 24}},
        {"at the right edge: left", {1100, 10}, 2, 1280, {930, 58}},
    };
    for (const OriginCase& c : cases) {
        const POINT origin = SubMenuOrigin(c.menu, SIZE{150, 24}, c.index, 150, c.screenWidth);
        EXPECT_EQ(c.origin.x, origin.x) << c.name;
        EXPECT_EQ(c.origin.y, origin.y) << c.name;
    }
}

TEST(BmpMenuInfo, SubMenuOfAScaledMenuKeepsItsPlaceInScaledUnits) {
    struct ScaledCase {
        UINT dpi;
        POINT menu;
        int screenWidth;
        POINT origin;
    };
    // Item images of the scale (225 x 36 at 144 DPI, 300 x 48 at 192) and a margin of 30 or 40.
    const ScaledCase cases[] = {
        {144, {150, 75}, 1920, {405, 147}},   // item 2, right of the menu
        {144, {1410, 0}, 1920, {1665, 72}},   // ends exactly at the edge
        {144, {1411, 0}, 1920, {1156, 72}},   // one pixel too far: left
        {192, {200, 100}, 2560, {540, 196}},
        {192, {2221, 0}, 2560, {1881, 96}},
    };
    for (const ScaledCase& c : cases) {
        const DisplayScale scale(c.dpi);
        const POINT origin = SubMenuOrigin(c.menu, scale.Scale(SIZE{150, 24}), 2, scale.Scale(150), c.screenWidth, scale);
        EXPECT_EQ(c.origin.x, origin.x) << c.dpi;
        EXPECT_EQ(c.origin.y, origin.y) << c.dpi;
    }
}
}  // namespace
