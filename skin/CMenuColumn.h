// What the popup menu and its sub-menu share: a frameless pop-up from the empty menu template,
// painted with its first image, holding a column of up to kMaxMenuItems item buttons. The keys
// pressed on an item go to OnItemKey; Up and Down move the focus along the column, Space clicks the
// item as the mouse does. It shows focus rings when its owner does, and is not moved by the mouse.
#pragma once
#include "skin/BmpMenuInfo.h"
#include "skin/CBitmapBtn.h"
#include "skin/CSkinDialog.h"

#include <array>

class CMenuColumn : public CSkinDialog {
public:
    CMenuColumn();

    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnInitDialog() override;

protected:
    void OnSurfacePressed(int, int) override {}

    // --- override these ---
    // A key pressed on item `index`, before the column moves the focus on Up and Down; true when
    // taken.
    virtual bool OnItemKey(size_t, UINT) { return false; }

    // --- not meant to be overridden ---
    // Moves the window to `origin` with the given size and shows it.
    void PlaceColumn(POINT origin, int width, int height);
    // Creates item button `index` in the menu's look.
    void CreateItemButton(size_t index, const RECT& rect, const wchar_t* text, Gdiplus::Image* normal,
                          Gdiplus::Image* hovered, Gdiplus::Image* pressed, Gdiplus::Image* disabled);
    // Index of the item button with this window handle, or -1.
    int ButtonIndex(HWND button) const;
    // The window the column reports to: the owner given to Create.
    HWND ReportWindow() const { return parentWindow ? parentWindow->m_hWnd : nullptr; }
    // Gives the focus to item button `index`, when there is one.
    void FocusItem(size_t index);
    // The number of item buttons created.
    size_t ItemCount() const;

    std::array<CBitmapBtn, kMaxMenuItems> itemButtons;

private:
    // OnKey(size_t index, UINT virtualKey): a key pressed on item `index`
    bool OnKey(size_t index, UINT virtualKey);
};
