#include "skin/CSkinDialog.h"

#include "skin/ChildWindowStates.h"
#include "skin/FocusCues.h"
#include "skin/SkinImages.h"
#include "skin/SkinRegion.h"
#include "skin/WindowDpi.h"

#include <windowsx.h>

#include <vector>

void StartWindowDrag(HWND window, int x, int y) {
    ::PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(x, y));
}

// Whether the press that posted a drag has ended already. The posted drag runs before the release
// that is queued behind it, so the queue's own key state still says "down" after a plain click;
// the physical state says more, and under Wine the release may still wait in the display's
// queue, which looking at the message queue takes in.
static bool PressEnded(HWND window) {
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if ((::GetAsyncKeyState(button) & 0x8000) == 0) return true;
    MSG release;
    return ::PeekMessageW(&release, window, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE) != FALSE;
}

CSkinDialog::CSkinDialog(UINT templateId, CWnd* parent, SkinPaintDC::Mode paintMode, BOOL eraseResult)
    : CDialog(templateId, parent), paintMode(paintMode), eraseResult(eraseResult) {}

LRESULT CSkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (CDialog::WindowProc(message, wParam, lParam) == -1) return -1;
        displayScale = WindowScale(m_hWnd);
        CreateSkinLayout();
        ApplyRegion();
        // Hidden focus rings in the system's controls too, until a key is pressed.
        SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL));
        return 0;
    case WM_ERASEBKGND:
        return eraseResult;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
        OnSurfacePressed(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_NCLBUTTONDOWN:
        // A drag that starts after its button was released (a click) would have a window
        // manager move the window with the pointer until the next click.
        if (wParam == HTCAPTION && PressEnded(m_hWnd)) return 0;
        break;
    case WM_DPICHANGED:
        if (lParam) OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY: {
        ForgetFocusCues(m_hWnd);
        LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        ReleaseSkin();
        return result;
    }
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CSkinDialog::OnDpiChanged(UINT dpi, const RECT& suggested) {
    const DisplayScale scale(dpi);
    if (scale.Dpi() == displayScale.Dpi()) return;
    displayScale = scale;
    LayOutAgain();
    ApplyRegion();
    // The layout has sized the window for the new scale; the system's rectangle places it.
    ::SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
}

void CSkinDialog::LayOutAgain() {
    const ChildWindowStates shown(m_hWnd);
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    for (HWND child : children) ::DestroyWindow(child);
    ReleaseSkin();
    CreateSkinLayout();
    ShowStateAgain();
    shown.Restore(m_hWnd);
}

BOOL CSkinDialog::PreTranslateMessage(MSG* message) {
    NoteInputForFocusCues(*message);
    return CDialog::PreTranslateMessage(message);
}

void CSkinDialog::ApplyRegion() {
    const wchar_t* name = RegionBitmapName();
    if (!name) return;
    regionBitmapSize = LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + name, regionBitmap, displayScale);
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
    // The first paint goes straight onto the window: nothing of it is on the screen yet that
    // could flicker, and a buffer would be memory touched for nothing (11 MB at 200%).
    SkinPaintDC paint(m_hWnd, painted ? paintMode : SkinPaintDC::Mode::Direct);
    painted = true;
    Gdiplus::Graphics graphics(paint.Dc());
    const RECT& client = paint.Client();
    DrawSkinImage(graphics, BackgroundImage(),
                  Gdiplus::RectF(0.0f, 0.0f, static_cast<Gdiplus::REAL>(client.right), static_cast<Gdiplus::REAL>(client.bottom)));
    PaintSkin(graphics, paint.Dc());
}
