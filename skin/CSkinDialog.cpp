#include "skin/CSkinDialog.h"

#include "skin/SkinImages.h"
#include "skin/SkinRegion.h"

#include <windowsx.h>

void StartWindowDrag(HWND window, int x, int y) {
    ::PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(x, y));
}

CSkinDialog::CSkinDialog(UINT templateId, CWnd* parent, SkinPaintDC::Mode paintMode, BOOL eraseResult)
    : CDialog(templateId, parent), paintMode(paintMode), eraseResult(eraseResult) {}

LRESULT CSkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (CDialog::WindowProc(message, wParam, lParam) == -1) return -1;
        CreateSkinLayout();
        ApplyRegion();
        return 0;
    case WM_ERASEBKGND:
        return eraseResult;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
        // OnSurfacePressed(int x, int y)
        OnSurfacePressed(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_DESTROY: {
        LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        ReleaseSkin();
        return result;
    }
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CSkinDialog::ApplyRegion() {
    const wchar_t* name = RegionBitmapName();
    if (!name) return;
    regionBitmapSize = LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + name, regionBitmap);
    GdiObject<HRGN> region = CreateRegionFromBitmap(regionBitmap.Get());
    if (!region) return;
    windowRegion = region.Get();
    if (::SetWindowRgn(m_hWnd, windowRegion, TRUE)) {
        region.Release();
    } else {
        windowRegion = nullptr;
    }
}

void CSkinDialog::Paint() {
    SkinPaintDC paint(m_hWnd, paintMode);
    Gdiplus::Graphics graphics(paint.Dc());
    const RECT& client = paint.Client();
    DrawSkinImage(graphics, BackgroundImage(),
                  Gdiplus::RectF(0.0f, 0.0f, static_cast<Gdiplus::REAL>(client.right), static_cast<Gdiplus::REAL>(client.bottom)));
    PaintSkin(graphics, paint.Dc());
}
