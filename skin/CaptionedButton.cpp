#include "skin/CaptionedButton.h"

namespace {
constexpr COLORREF kCaptionColor = RGB(0xFF, 0xFF, 0xFF);
}

BOOL CreateSkinButton(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images) {
    if (!button.Create(L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect, &parent, 0)) return FALSE;
    button.SetImages(images.normal, images.hover, images.pressed, images.disabled);
    return TRUE;
}

BOOL CreateCaptionedButton(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images,
                           const std::wstring& caption) {
    if (!CreateSkinButton(button, parent, rect, images)) return FALSE;
    button.textVisible = 1;
    button.useTextRect = 1;
    button.textRect = RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    button.normalTextColor = button.hoverTextColor = button.pressedTextColor = kCaptionColor;
    button.SetText(caption, 0, kTextCentred);
    return TRUE;
}
