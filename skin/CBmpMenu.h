// The skinned popup menu: a column of item buttons in a frameless pop-up, where an item may open a
// column of sub-items beside it while the mouse rests on it. A choice is posted to the owner as
// WM_MENU_PICK; the menu never closes itself: the owner destroys the window and deletes the object.
//
// Building one: construct it on the heap, SetItemImages, SetSubMenuImages, set menuX and menuY,
// AddItem and AddSubItem, optionally currentItem and currentSubItem, then Create(owner) and
// ShowWindow(SW_SHOW).
//
// Keys: the focus starts on the current item; Up and Down move it, Right or Enter opens the
// item's sub-menu with the focus on its current (or first) sub-item, Enter or Space picks an item
// without sub-items. Escape hides the menu and gives the focus back to the window that had it
// before the menu opened; the owner destroys the menu as ever.
#pragma once
#include "skin/CMenuColumn.h"
#include "skin/CSubBmpMenu.h"
#include "skin/SkinImages.h"

#include <array>
#include <list>
#include <memory>
#include <string>

class CBmpMenu : public CMenuColumn {
public:
    CBmpMenu() = default;
    ~CBmpMenu() override;

    // Full paths of the item images: normal, hover, and the alternatives of both; read when the
    // menu is created, in the set of its scale.
    void SetItemImages(const std::wstring& normal, const std::wstring& hovered, const std::wstring& altHovered,
                       const std::wstring& altNormal);
    // Full paths of the sub-menu images: normal, hover, pressed, disabled.
    void SetSubMenuImages(const std::wstring& normal, const std::wstring& hovered, const std::wstring& pressed,
                          const std::wstring& disabled);
    // False when the menu already holds kMaxMenuItems items.
    bool AddItem(const wchar_t* text, int id);
    // False when there is no item at `index` or it already holds kMaxMenuItems sub-items.
    bool AddSubItem(size_t index, const wchar_t* text, int id);

    int menuX = 0;  // screen position of the top-left corner, set before Create
    int menuY = 0;
    // The choice the menu opens with, set before Create: the item that has the focus and, when
    // its sub-menu is opened by a key, the sub-item that gets it; -1 for none (the first one).
    int currentItem = -1;
    int currentSubItem = -1;

    // The items of the menu. The list belongs to the class, so one menu exists at a time: owners
    // destroy the previous menu before building the next.
    static std::list<tagBMPMENUINFO> menuItems;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Gdiplus::Image* BackgroundImage() const override { return itemNormalImage.get(); }
    void ReleaseSkin() override;
    bool OnItemKey(size_t index, UINT virtualKey) override;

private:
    tagBMPMENUINFO* ItemAt(size_t index);
    void OnButtonHover(HWND button);
    // `focusSubItem`: the sub-item given the focus, -1 none (opened by the mouse).
    void OpenSubMenu(int index, tagBMPMENUINFO& item, int focusSubItem = -1);
    void CloseSubMenu();
    // OnSubMenuClosed(int parentIndex): the sub-menu asked to go; the focus returns to its item
    void OnSubMenuClosed(int parentIndex);
    // Right or Enter on item `index`: its sub-menu opens, or shows, with the focus in it.
    void EnterSubMenu(int index, tagBMPMENUINFO& item);
    // Escape: hidden, the focus back where it was.
    void Dismiss();
    // A pick in a sub-menu (WM_SUBMENU_PICK's parameters), passed on to the owner as this menu's.
    void OnSubMenuPick(WPARAM wParam, LPARAM lParam);
    void LoadImages();

    std::array<std::wstring, 4> itemImageFiles;
    std::array<std::wstring, 4> subImageFiles;

    SkinImage itemNormalImage;
    SkinImage itemHoverImage;
    SkinImage altItemHoverImage;
    SkinImage altItemNormalImage;
    SkinImage subNormalImage;
    SkinImage subHoverImage;
    SkinImage subPressedImage;
    SkinImage subDisabledImage;
    std::unique_ptr<CSubBmpMenu> subMenu;
    HWND returnFocus = nullptr;  // borrowed: the owner's control that had the focus at the opening
};
