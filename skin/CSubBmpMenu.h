// The column of sub-items that opens beside a popup menu item. Posts WM_SUBMENU_PICK to the menu
// when a sub-item is clicked; the menu destroys it.
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

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    Gdiplus::Image* BackgroundImage() const override { return normalImage.get(); }
    void ReleaseSkin() override;

private:
    SkinImage normalImage;
    SkinImage hoverImage;
    SkinImage pressedImage;
    SkinImage disabledImage;
    int subX;
    int subY;
    const std::vector<tagBMPMENUINFO>* subItems;
    int parentIndex;
};
