// An edit field with its own text and background colours that tells its parent about focus
// changes, WM_EDIT_FOCUS(1 gained or 2 lost, 0), and, when notifyKeyUp is set, about key
// releases, WM_EDIT_KEYUP(virtual-key code, notifyTag). Both are posted.
#pragma once
#include "framework/CEdit.h"
#include "skin/CachedSolidBrush.h"
#include "skin/DisplayScale.h"
#include "skin/GdiObject.h"

class CClrEdit : public CEdit {
public:
    CClrEdit();

    int notifyTag = 0;
    BOOL withBorder = 0;  // set before Create: the field gets WS_BORDER
    BOOL notifyKeyUp = 0;
    COLORREF editTextColor = RGB(255, 255, 255);
    COLORREF editBackColor = RGB(0, 0, 0);
    // SkinFont 15, weight 500; the owner applies it with WM_SETFONT after creation.
    GdiObject<HFONT> editFont;
    // Makes editFont again at `scale`, before the owner hands it out.
    void UseScale(const DisplayScale& scale);

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    CachedSolidBrush backBrush;
};
