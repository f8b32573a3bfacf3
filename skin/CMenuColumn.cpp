#include "skin/CMenuColumn.h"

#include "res/resource.h"

namespace {
constexpr COLORREF kItemTextColor = RGB(255, 255, 255);
constexpr COLORREF kItemHoverTextColor = RGB(200, 200, 200);
constexpr COLORREF kItemFillColor = RGB(0x3C, 0x3C, 0x3C);
}

CMenuColumn::CMenuColumn() : CSkinDialog(IDD_POPUP_MENU, nullptr, SkinPaintDC::Mode::Buffered) {}

void CMenuColumn::PlaceColumn(POINT origin, int width, int height) {
    ::SetWindowPos(m_hWnd, HWND_TOP, origin.x, origin.y, width, height, SWP_SHOWWINDOW);
}

void CMenuColumn::CreateItemButton(size_t index, const RECT& rect, const wchar_t* text, Gdiplus::Image* normal,
                                   Gdiplus::Image* hovered, Gdiplus::Image* pressed, Gdiplus::Image* disabled) {
    if (index >= itemButtons.size()) return;
    CBitmapBtn& button = itemButtons[index];
    button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, this, 0);
    button.SetImages(normal, hovered, pressed, disabled);
    button.SetText(text, 0, kTextCentred);
    button.normalTextColor = kItemTextColor;
    button.pressedTextColor = kItemTextColor;
    button.hoverTextColor = kItemHoverTextColor;
    button.textVisible = 1;
    button.fillBackground = 1;
    button.backgroundColor = kItemFillColor;
    button.Invalidate(TRUE);
}

int CMenuColumn::ButtonIndex(HWND button) const {
    if (!button) return -1;
    for (size_t i = 0; i < itemButtons.size(); ++i) {
        if (itemButtons[i].m_hWnd == button) return static_cast<int>(i);
    }
    return -1;
}
