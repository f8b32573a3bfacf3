#include "skin/CSubBmpMenu.h"

#include "framework/Messages.h"

#include <algorithm>

CSubBmpMenu::CSubBmpMenu(int parentIndex, const std::vector<tagBMPMENUINFO>* subItems, POINT origin)
    : subX(origin.x), subY(origin.y), subItems(subItems), parentIndex(parentIndex) {}

CSubBmpMenu::~CSubBmpMenu() { DestroyInDestructor(); }

void CSubBmpMenu::SetImages(SkinImage normal, SkinImage hovered, SkinImage pressed, SkinImage disabled) {
    normalImage = std::move(normal);
    hoverImage = std::move(hovered);
    pressedImage = std::move(pressed);
    disabledImage = std::move(disabled);
}

BOOL CSubBmpMenu::OnInitDialog() {
    CMenuColumn::OnInitDialog();
    const SIZE item = SkinImageSize(normalImage.get());
    const size_t count = subItems ? std::min(subItems->size(), kMaxMenuItems) : 0;
    const int width = item.cx + displayScale.Scale(kMenuExtraWidth);
    // A one-pixel (96 DPI) line of the window's picture above every sub-item separates them.
    const int line = displayScale.Scale(1);
    PlaceColumn(POINT{subX, subY}, width, static_cast<int>(count) * item.cy + line);
    for (size_t k = 0; k < count; ++k) {
        const int top = static_cast<int>(k) * item.cy;
        CreateItemButton(k, RECT{0, top + line, width, top + item.cy}, (*subItems)[k].text, normalImage.get(),
                         hoverImage.get(), pressedImage.get(), disabledImage.get());
    }
    if (focusItem < 0) return TRUE;
    FocusItem(static_cast<size_t>(focusItem));
    return FALSE;
}

BOOL CSubBmpMenu::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int k = ButtonIndex(reinterpret_cast<HWND>(lParam));
    if (k >= 0) Pick(static_cast<size_t>(k));
    return CMenuColumn::OnCommand(wParam, lParam);
}

void CSubBmpMenu::Pick(size_t k) {
    if (!subItems || k >= subItems->size()) return;
    const MenuPick pick = SubItemPick(parentIndex, static_cast<int>(k), (*subItems)[k].id);
    ::PostMessageW(ReportWindow(), WM_SUBMENU_PICK, pick.wParam, pick.lParam);
}

bool CSubBmpMenu::OnItemKey(size_t index, UINT virtualKey) {
    switch (virtualKey) {
    case VK_RETURN:
        Pick(index);
        return true;
    case VK_LEFT:
    case VK_ESCAPE:
        // Posted: the menu destroys this column, whose button is handling the key.
        ::PostMessageW(ReportWindow(), WM_SUBMENU_CLOSE, static_cast<WPARAM>(parentIndex), 0);
        return true;
    default:
        return false;
    }
}

void CSubBmpMenu::ReleaseSkin() {
    normalImage.reset();
    hoverImage.reset();
    pressedImage.reset();
    disabledImage.reset();
}
