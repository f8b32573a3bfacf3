#include "skin/CBitmapBtn.h"

#include "framework/Messages.h"
#include "skin/AccessibleControl.h"
#include "skin/FocusCues.h"
#include "skin/ParentSurface.h"
#include "skin/GdiObject.h"
#include "skin/ScopedSelect.h"
#include "skin/SkinFont.h"
#include "skin/SkinImages.h"
#include "skin/WindowDpi.h"

#include <windowsx.h>

namespace {
constexpr UINT kCaptionRectFormat =
    DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS;
}

void CBitmapBtn::RemoveBorderStyle() {
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    if (!(style & WS_BORDER)) return;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
    // The client area grows over the border only once the frame is computed again.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapBtn::SetImages(Gdiplus::Image* normal, Gdiplus::Image* hovered, Gdiplus::Image* pressed,
                           Gdiplus::Image* disabled) {
    normalImage = normal;
    hoverImage = hovered;
    pressedImage = pressed;
    disabledImage = disabled;
    if (m_hWnd) RemoveBorderStyle();
}

void CBitmapBtn::SetText(const std::wstring& text, int xOffset, int mode) {
    caption = text;
    textOffsetX = xOffset;
    textMode = mode;
    if (!m_hWnd) return;
    SetWindowText(caption.c_str());
    Invalidate(TRUE);
}

void CBitmapBtn::SetCheck(BOOL value) {
    if (value == checked) return;
    checked = value;
    if (!m_hWnd) return;
    Invalidate(TRUE);
    AccessibleControl::NotifyStateChange(m_hWnd);
}

AccessibleFacts CBitmapBtn::Accessibility() const { return ButtonFacts(accessibleRole, checkBoxMode != 0, checked != 0); }

LRESULT CBitmapBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        LRESULT result = CButton::WindowProc(message, wParam, lParam);
        RemoveBorderStyle();
        if (!caption.empty()) SetWindowText(caption.c_str());
        return result;
    }
    case WM_SETTEXT:
        // Only stored: the button class would paint over the label area, and the skin draws the caption.
        return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
    case WM_MOUSEMOVE:
        CButton::WindowProc(message, wParam, lParam);
        OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        // The capture has already gone to lParam, which may be this button again (a press
        // captures the mouse anew). Without the repaint the hover image would stay.
        if (hover && reinterpret_cast<HWND>(lParam) != m_hWnd) {
            hover = 0;
            Invalidate(TRUE);
        }
        break;
    case WM_LBUTTONUP:
        if (checkBoxMode) {
            OnCheckBoxRelease();
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_KEYUP:
        if (checkBoxMode && wParam == VK_SPACE) {
            OnSpaceReleased();
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        // The ring comes and goes with the focus and with the window's focus cues. A button that
        // paints no background of its own (a click area) leaves its old ring on the parent's
        // surface, so the parent paints under it again.
        LRESULT result = CButton::WindowProc(message, wParam, lParam);
        if (!fillBackground && !normalImage) InvalidateParentUnder(m_hWnd, TRUE);
        Invalidate(TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_GETOBJECT:
        if (LRESULT object = AccessibleControl::Answer(m_hWnd, wParam, lParam)) return object;
        break;
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}

BOOL CBitmapBtn::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) != BN_CLICKED || !onClick) return FALSE;
        // A copy: the handler may replace or destroy the callback with the button.
        std::function<void()> handler = onClick;
        handler();
        *result = 0;
        return TRUE;
    }
    if (message != WM_DRAWITEM) return FALSE;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return TRUE;
}

Gdiplus::Image* CBitmapBtn::ImageFor(ButtonImageRole role) const {
    switch (role) {
    case ButtonImageRole::Hover: return hoverImage;
    case ButtonImageRole::Pressed: return pressedImage;
    case ButtonImageRole::Disabled: return disabledImage;
    default: return normalImage;
    }
}

COLORREF CBitmapBtn::ColorFor(ButtonTextRole role) const {
    switch (role) {
    case ButtonTextRole::Hover: return hoverTextColor;
    case ButtonTextRole::Pressed: return pressedTextColor;
    default: return normalTextColor;
    }
}

void CBitmapBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT client = GetClientRect();
    const int width = client.right;
    const int height = client.bottom;
    if (fillBackground) {
        GdiObject<HBRUSH> brush(::CreateSolidBrush(backgroundColor));
        ::FillRect(dc, &client, brush.Get());
    }
    const ButtonLook look = ChooseButtonLook(ButtonState{checkBoxMode != 0, checked != 0, checkedShowsPressed != 0,
                                                         hover != 0, (item.itemState & ODS_SELECTED) != 0,
                                                         (item.itemState & ODS_DISABLED) != 0});
    ::SetTextColor(dc, ColorFor(look.text));
    {
        Gdiplus::Graphics graphics(dc);
        DrawSkinImage(graphics, ImageFor(look.image), Gdiplus::Rect(0, 0, squareImage ? height : width, height));
    }
    if (textVisible && !caption.empty()) DrawCaption(dc, width, height);
    if (DrawsFocusRing(m_hWnd)) DrawFocusRing(dc, client);
}

void CBitmapBtn::DrawCaption(HDC dc, int width, int height) {
    ::SetBkMode(dc, TRANSPARENT);
    const DisplayScale scale = WindowScale(m_hWnd);
    GdiObject<HFONT> font = SkinFont(scale.Scale(fontHeight), fontWeight, CaptionEscapement(textMode));
    ScopedSelect selected(dc, font.Get());
    if (useTextRect) {
        RECT area = textRect;
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, kCaptionRectFormat);
        return;
    }
    SIZE extent{0, 0};
    ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const POINT origin = CaptionOrigin(textMode, width, height, extent);
    ::TextOutW(dc, origin.x + scale.Scale(textOffsetX), origin.y, caption.c_str(), static_cast<int>(caption.size()));
}

void CBitmapBtn::OnMouseMove(UINT flags, POINT point) {
    const bool leftDown = (flags & MK_LBUTTON) != 0;
    // A press that began elsewhere and slides onto the button does not light it.
    if (leftDown && !hover) return;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner) owner = ::GetParent(m_hWnd);
    if (::GetCapture() != m_hWnd && ::GetActiveWindow() && owner) {
        hover = 1;
        ::SetCapture(m_hWnd);
        Invalidate(TRUE);
    } else {
        ::ClientToScreen(m_hWnd, &point);
        HWND under = ::WindowFromPoint(point);
        if (under && under != m_hWnd) {
            if (hover) {
                hover = 0;
                Invalidate(TRUE);
            }
            if (!leftDown) ::ReleaseCapture();
        }
    }
    ::PostMessageW(::GetParent(m_hWnd), WM_BUTTON_HOVER, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CBitmapBtn::OnCheckBoxRelease() {
    checked = !checked;
    Invalidate(TRUE);
    AccessibleControl::NotifyStateChange(m_hWnd);
    HWND parent = ::GetParent(m_hWnd);
    const int id = ::GetDlgCtrlID(m_hWnd);
    // Last: the parent may destroy the button while handling the click.
    if (parent) ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

bool CBitmapBtn::OnKeyDown(UINT virtualKey) {
    if (!onKeyDown) return false;
    // A copy: the handler may replace or destroy the callback with the button.
    std::function<bool(UINT)> handler = onKeyDown;
    return handler(virtualKey);
}

void CBitmapBtn::OnSpaceReleased() {
    // The button class pressed the button at the key press, as it does at a mouse press; the
    // release is a click only while it is still pressed.
    if (!(SendMessage(BM_GETSTATE) & BST_PUSHED)) return;
    SendMessage(BM_SETSTATE, FALSE);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    OnCheckBoxRelease();
}
