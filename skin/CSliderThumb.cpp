#include "skin/CSliderThumb.h"

#include "framework/Messages.h"
#include "skin/AccessibleControl.h"
#include "skin/FocusCues.h"
#include "skin/SkinControlClass.h"
#include "skin/SkinPaintDC.h"
#include "skin/SkinRegion.h"
#include "skin/WindowDpi.h"

#include <windowsx.h>

namespace {
constexpr int kOffsetRightPixels = 14;  // at 96 DPI
}

BOOL CSliderThumb::Create(Gdiplus::Bitmap* image, Gdiplus::Bitmap* disabledImage, CWnd* bar, UINT id) {
    thumbImage = image;
    disabledThumbImage = disabledImage;
    const SIZE size = SkinImageSize(thumbImage);
    thumbWidth = size.cx;
    thumbHeight = size.cy;
    sliderId = static_cast<int>(id);
    const RECT rect{trackMinX - thumbWidth / 2, trackMinY - thumbHeight / 2, trackMinX - thumbWidth / 2 + thumbWidth,
                    trackMinY - thumbHeight / 2 + thumbHeight};
    if (!CreateEx(0, SkinControlClass(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, bar, id)) return FALSE;
    if (useRegion) ApplyThumbRegion();
    return TRUE;
}

void CSliderThumb::ApplyThumbRegion() {
    HBITMAP opaque = nullptr;
    if (!thumbImage || thumbImage->GetHBITMAP(Gdiplus::Color(255, 0, 0, 0), &opaque) != Gdiplus::Ok) return;
    GdiObject<HBITMAP> bitmap(opaque);
    GdiObject<HRGN> shape = CreateRegionFromBitmap(bitmap.Get(), RGB(0, 0, 0));
    if (shape && ::SetWindowRgn(m_hWnd, shape.Get(), TRUE)) region = shape.Release();
}

int CSliderThumb::CrossAxisLeft() const {
    return trackMinX + (offsetRight ? WindowScale(m_hWnd).Scale(kOffsetRightPixels) : 0);
}

void CSliderThumb::SetPos(int newValue) {
    if (newValue < minValue || newValue > maxValue) newValue = minValue;
    StoreValue(newValue);
    if (!m_hWnd) return;
    if (axis == SliderAxis::Horizontal) {
        const int left = trackMinX + ThumbOffsetForValue(value, Range(), trackMaxX - trackMinX, thumbWidth);
        MoveWindow(left, trackMinY, thumbWidth, thumbHeight, TRUE);
    } else {
        const int top = trackMinY + ThumbOffsetForValue(value, Range(), trackMaxY - trackMinY, thumbHeight);
        MoveWindow(CrossAxisLeft(), top, thumbWidth, thumbHeight, TRUE);
    }
    Invalidate(TRUE);
}

RECT CSliderThumb::RectInBar() const {
    RECT rect = GetWindowRect();
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LRESULT CSliderThumb::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLButtonDown(point);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(point);
        break;
    case WM_LBUTTONUP:
        if (dragging) EndDrag(true);
        break;
    case WM_CAPTURECHANGED:
        // Losing the mouse in the middle of a drag ends it where the thumb stands.
        if (dragging) EndDrag(false);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        Invalidate(TRUE);
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_GETOBJECT:
        if (LRESULT object = AccessibleControl::Answer(m_hWnd, wParam, lParam)) return object;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CSliderThumb::OnKeyDown(UINT virtualKey) {
    if (!IsSliderKey(virtualKey)) return false;
    if (dragging || !enabled) return true;
    const int moved = ValueAfterKey(virtualKey, value, Range(), axis == SliderAxis::Vertical);
    if (moved == value) return true;
    SetPos(moved);
    SendValueToBar();
    return true;
}

void CSliderThumb::OnLButtonDown(POINT point) {
    if (!dragEnabled) return;
    pressedRect = RectInBar();
    dragging = 1;
    grabX = point.x;
    grabY = point.y;
    ::SetCapture(m_hWnd);
}

void CSliderThumb::OnMouseMove(POINT point) {
    if (!dragging) return;
    const RECT rect = RectInBar();
    if (axis == SliderAxis::Horizontal) {
        const int dx = ClampDragDelta(point.x - grabX, rect.left, rect.right, trackMinX, trackMaxX);
        MoveWindow(rect.left + dx, trackMinY, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    } else {
        const int dy = ClampDragDelta(point.y - grabY, rect.top, rect.bottom, trackMinY, trackMaxY);
        MoveWindow(CrossAxisLeft(), rect.top + dy, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    }
}

void CSliderThumb::EndDrag(bool releaseCapture) {
    dragging = 0;
    if (releaseCapture) ::ReleaseCapture();
    // Values and positions round into each other only approximately (a colour slider has fewer
    // pixels than values), so a value computed back from an unmoved thumb could differ from the
    // one it shows.
    const RECT rect = RectInBar();
    if (!::EqualRect(&rect, &pressedRect)) ReportValue();
}

void CSliderThumb::ReportValue() {
    const RECT rect = RectInBar();
    if (axis == SliderAxis::Horizontal) {
        StoreValue(ValueFromThumbOffset(rect.left - trackMinX, Range(), trackMaxX - trackMinX, thumbWidth));
    } else {
        StoreValue(ValueFromThumbOffset(rect.top - trackMinY, Range(), trackMaxY - trackMinY, thumbHeight));
    }
    SendValueToBar();
}

void CSliderThumb::SendValueToBar() {
    if (axis == SliderAxis::Horizontal) {
        ::PostMessageW(::GetParent(m_hWnd), WM_SLIDER_CHANGED, static_cast<WPARAM>(value), sliderId);
    } else {
        ::SendMessageW(::GetParent(m_hWnd), WM_SLIDER_CHANGED, static_cast<WPARAM>(value), sliderId);
    }
}

void CSliderThumb::StoreValue(int newValue) {
    if (newValue == value) return;
    value = newValue;
    if (!m_hWnd) return;
    AccessibleControl::NotifyValueChange(m_hWnd);
    AccessibleControl::NotifyValueChange(::GetParent(m_hWnd));
}

void CSliderThumb::Paint() {
    SkinPaintDC paint(m_hWnd, axis == SliderAxis::Vertical ? SkinPaintDC::Mode::Buffered : SkinPaintDC::Mode::Direct);
    Gdiplus::Graphics graphics(paint.Dc());
    Gdiplus::Image* image = !enabled && disabledThumbImage ? disabledThumbImage : thumbImage;
    DrawSkinImage(graphics, image, Gdiplus::Rect(0, 0, thumbWidth, thumbHeight));
    if (DrawsFocusRing(m_hWnd)) DrawFocusRing(paint.Dc(), paint.Client(), 1);
}
