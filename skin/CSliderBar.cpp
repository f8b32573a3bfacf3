#include "skin/CSliderBar.h"

#include "framework/Messages.h"
#include "skin/AccessibleControl.h"
#include "skin/GdiObject.h"
#include "skin/SkinControlClass.h"
#include "skin/SkinPaintDC.h"

#include <windowsx.h>

namespace {
constexpr COLORREF kVerticalBarFill = RGB(0x32, 0x32, 0x32);
}

BOOL CSliderBar::Create(Gdiplus::Bitmap* thumb, Gdiplus::Bitmap* disabledThumb, const RECT& rect, CWnd* parent,
                        UINT id) {
    thumbImage = thumb;
    disabledThumbImage = disabledThumb;
    barRect = rect;
    sliderId = static_cast<int>(id);
    return CreateEx(WS_EX_CONTROLPARENT, SkinControlClass(), L"", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

bool CSliderBar::ReflectChange(HWND parent, WPARAM wParam, LPARAM lParam) {
    // Each slider of a page has an id of its own: the report names its bar by it.
    auto* bar = dynamic_cast<CSliderBar*>(FromHandle(::GetDlgItem(parent, static_cast<int>(lParam))));
    if (!bar || !bar->onChange) return false;
    // A copy: the handler may replace or destroy the callback with the bar.
    std::function<void(int)> handler = bar->onChange;
    handler(static_cast<int>(wParam));
    return true;
}

void CSliderBar::SetRange(int minimum, int maximum) {
    minValue = minimum;
    maxValue = maximum;
    thumb->minValue = minimum;
    thumb->maxValue = maximum;
}

void CSliderBar::SetPos(int value) {
    thumb->SetPos(value);
    Invalidate(TRUE);
}

void CSliderBar::SetTrackImage(Gdiplus::Image* image) {
    trackImage = image;
    if (m_hWnd) Invalidate(TRUE);
}

LRESULT CSliderBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        if (result != -1) CreateThumb();
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        OnClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_SLIDER_CHANGED:
        // The thumb's new value, passed on under the bar's id.
        ::PostMessageW(::GetParent(m_hWnd), WM_SLIDER_CHANGED, wParam, sliderId);
        return 0;
    case WM_SETFOCUS:
        if (thumb->m_hWnd) ::SetFocus(thumb->m_hWnd);
        return 0;
    case WM_ENABLE:
        thumb->enabled = static_cast<BOOL>(wParam);
        thumb->Invalidate(TRUE);
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_GETOBJECT:
        if (LRESULT object = AccessibleControl::Answer(m_hWnd, wParam, lParam)) return object;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CSliderBar::CreateThumb() {
    thumb->trackMinX = 0;
    thumb->trackMinY = 0;
    thumb->trackMaxX = barRect.right - barRect.left;
    thumb->trackMaxY = barRect.bottom - barRect.top;
    thumb->useRegion = useRegion;
    thumb->Create(thumbImage, disabledThumbImage, this, static_cast<UINT>(sliderId));
    thumb->SetPos(0);
}

void CSliderBar::OnClick(POINT point) {
    const RECT client = GetClientRect();
    const bool horizontal = thumb->Axis() == SliderAxis::Horizontal;
    const int value = ValueFromBarClick(horizontal ? point.x : point.y, SliderRange{minValue, maxValue},
                                        horizontal ? client.right : client.bottom);
    thumb->SetPos(value);
    ::PostMessageW(::GetParent(m_hWnd), WM_SLIDER_CHANGED, static_cast<WPARAM>(value), sliderId);
}

void CSliderBar::Paint() {
    SkinPaintDC paint(m_hWnd, SkinPaintDC::Mode::Direct);
    const RECT& client = paint.Client();
    if (thumb->Axis() == SliderAxis::Vertical) {
        GdiObject<HBRUSH> fill(::CreateSolidBrush(kVerticalBarFill));
        ::FillRect(paint.Dc(), &client, fill.Get());
    }
    Gdiplus::Graphics graphics(paint.Dc());
    DrawSkinImage(graphics, trackImage,
                  Gdiplus::RectF(0.0f, 0.0f, static_cast<Gdiplus::REAL>(client.right), static_cast<Gdiplus::REAL>(client.bottom)));
}
