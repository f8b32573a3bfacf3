#include "skin/CMenuColumn.h"

#include "res/resource.h"
#include "skin/FocusCues.h"

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
    button.Create(L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect, this, 0);
    button.onKeyDown = [this, index](UINT virtualKey) { return OnKey(index, virtualKey); };
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

BOOL CMenuColumn::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    // Opened by the keyboard, the column shows its focus at once.
    SetFocusCues(m_hWnd, FocusCuesShown(ReportWindow()));
    return TRUE;
}

void CMenuColumn::FocusItem(size_t index) {
    if (index >= itemButtons.size() || !itemButtons[index].m_hWnd) return;
    // Through the dialog manager, which keeps the focus there when the column is activated again.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(itemButtons[index].m_hWnd), TRUE);
}

size_t CMenuColumn::ItemCount() const {
    size_t count = 0;
    while (count < itemButtons.size() && itemButtons[count].m_hWnd) ++count;
    return count;
}

bool CMenuColumn::OnKey(size_t index, UINT virtualKey) {
    if (OnItemKey(index, virtualKey)) return true;
    const size_t count = ItemCount();
    if (count == 0 || (virtualKey != VK_UP && virtualKey != VK_DOWN)) return false;
    FocusItem(virtualKey == VK_DOWN ? (index + 1) % count : (index + count - 1) % count);
    return true;
}
