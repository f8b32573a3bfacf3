// What the popup menu and its sub-menu share: a frameless pop-up from the empty menu template,
// painted with its first image, holding a column of up to kMaxMenuItems item buttons. It has no
// keyboard handling of its own and is not moved by the mouse.
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

protected:
    void OnSurfacePressed(int, int) override {}

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

    std::array<CBitmapBtn, kMaxMenuItems> itemButtons;
};
