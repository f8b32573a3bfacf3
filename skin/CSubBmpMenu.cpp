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
    return TRUE;
}

BOOL CSubBmpMenu::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int k = ButtonIndex(reinterpret_cast<HWND>(lParam));
    if (k >= 0 && subItems && static_cast<size_t>(k) < subItems->size()) {
        const MenuPick pick = SubItemPick(parentIndex, k, (*subItems)[static_cast<size_t>(k)].id);
        ::PostMessageW(ReportWindow(), WM_SUBMENU_PICK, pick.wParam, pick.lParam);
    }
    return CMenuColumn::OnCommand(wParam, lParam);
}

void CSubBmpMenu::ReleaseSkin() {
    normalImage.reset();
    hoverImage.reset();
    pressedImage.reset();
    disabledImage.reset();
}
