#include "skin/CClrEdit.h"

#include "framework/Messages.h"
#include "skin/SkinFont.h"

namespace {
constexpr WPARAM kFocusGained = 1;
constexpr WPARAM kFocusLost = 2;
constexpr int kFontHeight = 15;
constexpr int kFontWeight = 500;
}

CClrEdit::CClrEdit() : editFont(SkinFont(kFontHeight, kFontWeight)) {}

BOOL CClrEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CEdit::Create(withBorder ? style | WS_BORDER : style, rect, parent, id);
}

void CClrEdit::UseScale(const DisplayScale& scale) {
    if (!scale.IsBase()) editFont = SkinFont(scale.Scale(kFontHeight), kFontWeight);
}

LRESULT CClrEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYUP:
        if (notifyKeyUp) ::PostMessageW(::GetParent(m_hWnd), WM_EDIT_KEYUP, wParam, notifyTag);
        break;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CClrEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, editTextColor);
        ::SetBkColor(dc, editBackColor);
        *result = reinterpret_cast<LRESULT>(backBrush.Get(editBackColor));
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS) {
            ::PostMessageW(::GetParent(m_hWnd), WM_EDIT_FOCUS, HIWORD(wParam) == EN_SETFOCUS ? kFocusGained : kFocusLost, 0);
            *result = 0;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
