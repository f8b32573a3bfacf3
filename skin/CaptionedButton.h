// The one way the windows make a skinned push button: created as an owner-drawn child, id 0,
// with four borrowed state images, and, for a captioned button, the caption centred over the
// whole button in white. Every OK, Cancel, bottom-row, function and tab button is made here.
//
//     DialogImages images;                     // in the dialog's layout routine
//     images.Load();
//     CreateCaptionedButton(okButton, *this, RECT{135, 219, 228, 245}, images.OkButton(),
//                           LoadUiString(TextId::General::Ok));
//
// The caption is also the button's window text (see CBitmapBtn::SetText). A window that wants
// more sets the members afterwards (fillBackground with backgroundColor, checkBoxMode, ...).
#pragma once
#include "skin/CBitmapBtn.h"

#include <string>

// The images of a button's four states; borrowed from the window that loaded them.
struct ButtonImageSet {
    Gdiplus::Image* normal = nullptr;
    Gdiplus::Image* hover = nullptr;
    Gdiplus::Image* pressed = nullptr;
    Gdiplus::Image* disabled = nullptr;
};

// `button` as a visible child of `parent` at `rect` (WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
// id 0)
// showing `images`, without a caption.
BOOL CreateSkinButton(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images);

// As CreateSkinButton, with `caption` drawn centred in a text rectangle covering the whole button,
// white in every state, in the button's default font (height 15, weight 400).
BOOL CreateCaptionedButton(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images,
                           const std::wstring& caption);
