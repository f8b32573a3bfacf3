// A skinned top-level window: a frameless dialog painted from skin images, shaped by a region
// bitmap when it has one, and moved by dragging its own surface. Subclasses give the pieces.
// It opens with focus rings hidden; its modal loop shows them once a key is pressed in any window
// of the thread and hides them again with a mouse press (FocusCues.h).
#pragma once
#include "framework/CDialog.h"
#include "skin/DisplayScale.h"
#include "skin/GdiObject.h"
#include "skin/SkinPaintDC.h"

#include <gdiplus.h>

// The left-button-down handler of a skinned window's surface: lets the system move the window
// as if its caption had been grabbed at the client point (x, y).
void StartWindowDrag(HWND window, int x, int y);

class CSkinDialog : public CDialog {
public:
    // `eraseResult`: what WM_ERASEBKGND returns; nothing is erased either way.
    CSkinDialog(UINT templateId, CWnd* parent, SkinPaintDC::Mode paintMode, BOOL eraseResult = TRUE);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    // --- override these ---
    // During WM_CREATE: load the skin images, move the window to its fixed size at (0, 0) and
    // create the child controls.
    virtual void CreateSkinLayout() {}
    // The region bitmap in the background folder, or null for a rectangular window.
    virtual const wchar_t* RegionBitmapName() const { return nullptr; }
    // The picture stretched over the whole client area before anything else, or null.
    virtual Gdiplus::Image* BackgroundImage() const { return nullptr; }
    // Further pictures and text, drawn over the background.
    virtual void PaintSkin(Gdiplus::Graphics&, HDC) {}
    // A left-button press on the window's own surface (client coordinates).
    virtual void OnSurfacePressed(int x, int y) { StartWindowDrag(m_hWnd, x, y); }
    // After WM_DESTROY: delete the images and fonts the window owns.
    virtual void ReleaseSkin() {}
    // The window moved to a monitor of another scale (displayScale holds the new one): lay the
    // window out again. The child windows go, ReleaseSkin runs, then CreateSkinLayout and
    // ShowStateAgain; then every new child is shown or hidden, enabled or disabled, with the
    // window text and the focus its predecessor had (ChildWindowStates.h).
    virtual void LayOutAgain();
    // After CreateSkinLayout at a new scale: show on the new controls what the window's own state
    // calls for (what their window texts and states do not hold, such as a caption drawn).
    virtual void ShowStateAgain() {}

    // --- not meant to be overridden ---
    // The scale of the monitor the window was created on, read before the layout routine runs.
    DisplayScale displayScale;
    GdiObject<HBITMAP> regionBitmap;
    SIZE regionBitmapSize{0, 0};
    HRGN windowRegion = nullptr;  // borrowed: owned by the system once applied

private:
    // OnDpiChanged(UINT dpi, const RECT* suggested)
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void ApplyRegion();
    void Paint();

    SkinPaintDC::Mode paintMode;
    BOOL eraseResult;
    bool painted = false;
};
