// The column of sub-items that opens beside a popup menu item. Posts WM_SUBMENU_PICK to the menu
// when a sub-item is clicked or Enter is pressed on it, and WM_SUBMENU_CLOSE on Left or Escape;
// the menu destroys it.
#pragma once
#include "skin/CMenuColumn.h"
#include "skin/SkinImages.h"

class CSubBmpMenu : public CMenuColumn {
public:
    // `subItems` is borrowed: the list of the menu item the column belongs to.
    CSubBmpMenu(int parentIndex, const std::vector<tagBMPMENUINFO>* subItems, POINT origin);
    ~CSubBmpMenu() override;

    // Takes the four images (normal, hover, pressed, disabled).
    void SetImages(SkinImage normal, SkinImage hovered, SkinImage pressed, SkinImage disabled);
    int ParentIndex() const { return parentIndex; }
    // Gives the focus to sub-item `index`, when there is one.
    void FocusSubItem(size_t index) { FocusItem(index); }

    int focusItem = -1;  // the sub-item focused at the opening, set before Create; -1 none

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    Gdiplus::Image* BackgroundImage() const override { return normalImage.get(); }
    void ReleaseSkin() override;
    bool OnItemKey(size_t index, UINT virtualKey) override;

private:
    // Posts the pick of sub-item `k` to the menu.
    void Pick(size_t k);

    SkinImage normalImage;
    SkinImage hoverImage;
    SkinImage pressedImage;
    SkinImage disabledImage;
    int subX;
    int subY;
    const std::vector<tagBMPMENUINFO>* subItems;
    int parentIndex;
};
