#include "skin/CBmpMenu.h"

#include "framework/Messages.h"

#include <algorithm>

std::list<tagBMPMENUINFO> CBmpMenu::menuItems;

namespace {
// A copy of the top-left `area` of `image` for the sub-menu to own; none when it cannot be cut.
SkinImage CopyImageArea(Gdiplus::Bitmap* image, SIZE area) {
    if (!image || area.cx <= 0 || area.cy <= 0) return nullptr;
    return SkinImage(image->Clone(0, 0, area.cx, area.cy, PixelFormatDontCare));
}
}

CBmpMenu::~CBmpMenu() {
    DestroyInDestructor();
    menuItems.clear();
}

void CBmpMenu::SetItemImages(const std::wstring& normal, const std::wstring& hovered, const std::wstring& altHovered,
                             const std::wstring& altNormal) {
    itemImageFiles = {normal, hovered, altHovered, altNormal};
}

void CBmpMenu::SetSubMenuImages(const std::wstring& normal, const std::wstring& hovered, const std::wstring& pressed,
                                const std::wstring& disabled) {
    subImageFiles = {normal, hovered, pressed, disabled};
}

void CBmpMenu::LoadImages() {
    itemNormalImage = LoadSkinImageFile(itemImageFiles[0], displayScale);
    itemHoverImage = LoadSkinImageFile(itemImageFiles[1], displayScale);
    altItemHoverImage = LoadSkinImageFile(itemImageFiles[2], displayScale);
    altItemNormalImage = LoadSkinImageFile(itemImageFiles[3], displayScale);
    subNormalImage = LoadSkinImageFile(subImageFiles[0], displayScale);
    subHoverImage = LoadSkinImageFile(subImageFiles[1], displayScale);
    subPressedImage = LoadSkinImageFile(subImageFiles[2], displayScale);
    subDisabledImage = LoadSkinImageFile(subImageFiles[3], displayScale);
}

bool CBmpMenu::AddItem(const wchar_t* text, int id) {
    if (menuItems.size() >= kMaxMenuItems) return false;
    menuItems.push_back(MakeMenuItem(text, id));
    return true;
}

bool CBmpMenu::AddSubItem(size_t index, const wchar_t* text, int id) {
    tagBMPMENUINFO* item = ItemAt(index);
    if (!item) return false;
    if (!item->subItems) item->subItems = std::make_unique<std::vector<tagBMPMENUINFO>>();
    if (item->subItems->size() >= kMaxMenuItems) return false;
    item->hasSubItems = 1;
    item->subItems->push_back(MakeMenuItem(text, id));
    return true;
}

tagBMPMENUINFO* CBmpMenu::ItemAt(size_t index) {
    if (index >= menuItems.size()) return nullptr;
    return &*std::next(menuItems.begin(), static_cast<std::ptrdiff_t>(index));
}

BOOL CBmpMenu::OnInitDialog() {
    returnFocus = ::GetFocus();
    CMenuColumn::OnInitDialog();
    LoadImages();
    const SIZE item = SkinImageSize(itemNormalImage.get());
    const int width = item.cx + displayScale.Scale(kMenuExtraWidth);
    PlaceColumn(POINT{menuX, menuY}, width, static_cast<int>(menuItems.size()) * item.cy);
    size_t i = 0;
    for (const tagBMPMENUINFO& entry : menuItems) {
        const bool alternative = UsesAlternativeItemImages(i);
        Gdiplus::Image* normal = alternative ? altItemNormalImage.get() : itemNormalImage.get();
        Gdiplus::Image* hovered = alternative ? altItemHoverImage.get() : itemHoverImage.get();
        const int top = static_cast<int>(i) * item.cy;
        CreateItemButton(i, RECT{0, top, width, top + item.cy}, entry.text, normal, hovered, hovered, normal);
        ++i;
    }
    FocusItem(currentItem >= 0 && static_cast<size_t>(currentItem) < menuItems.size() ? static_cast<size_t>(currentItem) : 0);
    return FALSE;
}

BOOL CBmpMenu::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int index = ButtonIndex(reinterpret_cast<HWND>(lParam));
    const tagBMPMENUINFO* item = index >= 0 ? ItemAt(static_cast<size_t>(index)) : nullptr;
    if (item) {
        // An item with sub-items only opens them.
        if (item->hasSubItems) return TRUE;
        const MenuPick pick = MainItemPick(index, item->id);
        ::PostMessageW(ReportWindow(), WM_MENU_PICK, pick.wParam, pick.lParam);
    }
    return CMenuColumn::OnCommand(wParam, lParam);
}

LRESULT CBmpMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_BUTTON_HOVER:
        OnButtonHover(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_SUBMENU_PICK:
        OnSubMenuPick(wParam, lParam);
        break;
    case WM_SUBMENU_CLOSE:
        OnSubMenuClosed(static_cast<int>(wParam));
        return 0;
    default:
        break;
    }
    return CMenuColumn::WindowProc(message, wParam, lParam);
}

void CBmpMenu::OnButtonHover(HWND button) {
    POINT cursor{0, 0};
    ::GetCursorPos(&cursor);
    int i = 0;
    for (tagBMPMENUINFO& item : menuItems) {
        if (static_cast<size_t>(i) < itemButtons.size() && itemButtons[static_cast<size_t>(i)].m_hWnd == button) {
            if (subMenu && subMenu->ParentIndex() == i) return;
            CloseSubMenu();
            if (item.hasSubItems && !item.subMenuOpen) OpenSubMenu(i, item);
        } else if (item.subMenuOpen && subMenu) {
            RECT subMenuRect = subMenu->GetWindowRect();
            if (!::PtInRect(&subMenuRect, cursor)) CloseSubMenu();
        }
        ++i;
    }
}

void CBmpMenu::OpenSubMenu(int index, tagBMPMENUINFO& item, int focusSubItem) {
    item.subMenuOpen = 1;
    const SIZE itemSize = SkinImageSize(itemNormalImage.get());
    const SIZE subSize = SkinImageSize(subNormalImage.get());
    const POINT origin = SubMenuOrigin(POINT{menuX, menuY}, itemSize, index, subSize.cx,
                                       ::GetSystemMetrics(SM_CXFULLSCREEN), displayScale);
    subMenu = std::make_unique<CSubBmpMenu>(index, item.subItems.get(), origin);
    subMenu->focusItem = focusSubItem;
    subMenu->SetImages(CopyImageArea(subNormalImage.get(), subSize), CopyImageArea(subHoverImage.get(), subSize),
                       CopyImageArea(subPressedImage.get(), subSize), CopyImageArea(subDisabledImage.get(), subSize));
    if (subMenu->Create(this)) subMenu->ShowWindow(SW_SHOW);
}

void CBmpMenu::CloseSubMenu() {
    if (!subMenu) return;
    if (tagBMPMENUINFO* item = ItemAt(static_cast<size_t>(subMenu->ParentIndex()))) item->subMenuOpen = 0;
    subMenu->DestroyWindow();
    subMenu.reset();
}

bool CBmpMenu::OnItemKey(size_t index, UINT virtualKey) {
    tagBMPMENUINFO* item = ItemAt(index);
    if (!item) return false;
    switch (virtualKey) {
    case VK_UP:
    case VK_DOWN:
        CloseSubMenu();
        return false;
    case VK_RIGHT:
        if (item->hasSubItems) EnterSubMenu(static_cast<int>(index), *item);
        return true;
    case VK_RETURN:
        if (item->hasSubItems) {
            EnterSubMenu(static_cast<int>(index), *item);
        } else {
            const MenuPick pick = MainItemPick(static_cast<int>(index), item->id);
            ::PostMessageW(ReportWindow(), WM_MENU_PICK, pick.wParam, pick.lParam);
        }
        return true;
    case VK_ESCAPE:
        Dismiss();
        return true;
    default:
        return false;
    }
}

void CBmpMenu::EnterSubMenu(int index, tagBMPMENUINFO& item) {
    const int subCount = item.subItems ? static_cast<int>(item.subItems->size()) : 0;
    const int focus = index == currentItem && currentSubItem >= 0 && currentSubItem < subCount ? currentSubItem : 0;
    if (subMenu && subMenu->ParentIndex() == index) {
        subMenu->FocusSubItem(static_cast<size_t>(focus));
        return;
    }
    CloseSubMenu();
    OpenSubMenu(index, item, focus);
}

void CBmpMenu::OnSubMenuClosed(int parentIndex) {
    if (!subMenu || subMenu->ParentIndex() != parentIndex) return;
    CloseSubMenu();
    FocusItem(static_cast<size_t>(parentIndex));
}

void CBmpMenu::Dismiss() {
    CloseSubMenu();
    ShowWindow(SW_HIDE);
    if (returnFocus && ::IsWindow(returnFocus)) ::SetFocus(returnFocus);
}

void CBmpMenu::OnSubMenuPick(WPARAM wParam, LPARAM lParam) {
    const tagBMPMENUINFO* item = ItemAt(HIWORD(wParam));
    if (!item) return;
    const MenuPick pick = ForwardedSubItemPick(MenuPick{wParam, lParam}, item->id);
    ::PostMessageW(ReportWindow(), WM_MENU_PICK, pick.wParam, pick.lParam);
}

void CBmpMenu::ReleaseSkin() {
    CloseSubMenu();
    itemNormalImage.reset();
    itemHoverImage.reset();
    altItemHoverImage.reset();
    altItemNormalImage.reset();
    subNormalImage.reset();
    subHoverImage.reset();
    subPressedImage.reset();
    subDisabledImage.reset();
    menuItems.clear();
}
