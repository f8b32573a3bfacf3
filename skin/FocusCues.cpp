#include "skin/FocusCues.h"

#include "skin/GdiObject.h"

namespace {
constexpr wchar_t kShownProperty[] = L"Orvane.FocusCuesShown";
}

bool FocusCuesShown(HWND control) {
    HWND root = control ? ::GetAncestor(control, GA_ROOT) : nullptr;
    return root && ::GetPropW(root, kShownProperty) != nullptr;
}

void SetFocusCues(HWND window, bool shown) {
    HWND root = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
    if (!root || FocusCuesShown(root) == shown) return;
    if (shown) {
        ::SetPropW(root, kShownProperty, reinterpret_cast<HANDLE>(1));
    } else {
        ::RemovePropW(root, kShownProperty);
    }
    // What a WM_CHANGEUISTATE that reaches a top-level window becomes: the window and its
    // children update their state. Sent straight to the root, since a pop-up's parent is its owner.
    ::SendMessageW(root, WM_UPDATEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
    HWND focus = ::GetFocus();
    if (focus && ::GetAncestor(focus, GA_ROOT) == root) ::InvalidateRect(focus, nullptr, TRUE);
}

void ForgetFocusCues(HWND root) {
    if (root) ::RemovePropW(root, kShownProperty);
}

void NoteInputForFocusCues(const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        SetFocusCues(message.hwnd, true);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        SetFocusCues(message.hwnd, false);
        break;
    default:
        break;
    }
}

bool DrawsFocusRing(HWND control) { return control && ::GetFocus() == control && FocusCuesShown(control); }

void DrawFocusRing(HDC dc, const RECT& area, int thickness) {
    GdiObject<HBRUSH> brush(::CreateSolidBrush(kFocusRingColor));
    const RECT sides[] = {
        {area.left, area.top, area.right, area.top + thickness},
        {area.left, area.bottom - thickness, area.right, area.bottom},
        {area.left, area.top, area.left + thickness, area.bottom},
        {area.right - thickness, area.top, area.right, area.bottom},
    };
    for (const RECT& side : sides) ::FillRect(dc, &side, brush.Get());
}
