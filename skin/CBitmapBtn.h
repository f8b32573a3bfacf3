// The push button of the skin: an owner-drawn button showing one of four borrowed state images
// scaled to its client area, an optional caption over it, a hover image while the mouse is over it
// (tracked with the mouse capture), and optionally check-box behaviour. The caption is also the
// window text, so screen readers and test scripts find the button by it; the system never draws
// the window text. CaptionedButton.h makes the buttons the windows use.
//
// Posts WM_BUTTON_HOVER(button window, 0) to its parent after every mouse move it handles. A click
// reaches the parent as WM_COMMAND BN_CLICKED: from the system in push-button mode, sent by the
// button at the release in check-box mode. The parent's framework reflects it back here, where it
// calls onClick: the parent's own WM_COMMAND handling runs first.
//
// It takes the keyboard focus (WS_TABSTOP is kept), draws a focus ring in the accent colour while
// it has the focus and its window shows focus cues (FocusCues.h), and Space clicks it as the left
// mouse button does, through the same BN_CLICKED.
//
// Accessibility clients learn its role (accessibleRole with checkBoxMode) and whether it is
// checked; the name they read is the window text.
#pragma once
#include "framework/CButton.h"
#include "skin/AccessibleSource.h"
#include "skin/BitmapBtnLook.h"

#include <gdiplus.h>

#include <functional>
#include <string>

class CBitmapBtn : public CButton, public AccessibleSource {
public:
    // Set by the owner after creation.
    BOOL fillBackground = 0;       // fill the client area with backgroundColor under the image
    BOOL textVisible = 0;
    BOOL checkedShowsPressed = 0;  // check-box mode, checked and disabled: pressed image, not disabled
    BOOL checked = 0;              // check-box mode: ticked; push-button mode: latched (shown pressed)
    BOOL checkBoxMode = 0;
    BOOL hover = 0;                // the mouse is over the button and the button holds the capture
    // Borrowed: owned by the window that loaded them, which may give one image to several buttons.
    Gdiplus::Image* normalImage = nullptr;
    Gdiplus::Image* hoverImage = nullptr;
    Gdiplus::Image* pressedImage = nullptr;
    Gdiplus::Image* disabledImage = nullptr;
    BOOL useTextRect = 0;          // caption centred in textRect (client pixels)
    RECT textRect{0, 0, 0, 0};
    std::wstring caption;
    // Font height and caption offset are given at 96 DPI; the button draws them at its scale.
    int fontHeight = 15;
    int fontWeight = 400;
    int textOffsetX = 0;           // added to the caption's x when textRect is not used
    int textMode = kTextCentred;
    COLORREF normalTextColor = RGB(255, 255, 255);
    COLORREF hoverTextColor = RGB(255, 0, 0);
    COLORREF pressedTextColor = RGB(255, 0, 0);
    COLORREF backgroundColor = RGB(0, 0, 0);
    BOOL squareImage = 0;          // the image fills a square whose side is the client height
    ButtonRole accessibleRole = ButtonRole::Button;
    // Called for every BN_CLICKED (not for the second click of a double click, which comes as
    // BN_DOUBLECLICKED after its own BN_CLICKED). The button may be destroyed by it.
    std::function<void()> onClick;
    // Called for every key pressed while the button has the focus, before the button's own
    // handling; true when it took the key. The button may be destroyed by it.
    std::function<bool(UINT virtualKey)> onKeyDown;

    // Replaces the four images without repainting; the images stay their owner's.
    void SetImages(Gdiplus::Image* normal, Gdiplus::Image* hovered, Gdiplus::Image* pressed, Gdiplus::Image* disabled);
    // Sets the caption and the window text to `text`.
    void SetText(const std::wstring& text, int xOffset, int mode);
    std::wstring GetText() const { return caption; }
    // Repaints only when the value changes.
    void SetCheck(BOOL value);

    AccessibleFacts Accessibility() const override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void RemoveBorderStyle();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawCaption(HDC dc, int width, int height);
    Gdiplus::Image* ImageFor(ButtonImageRole role) const;
    COLORREF ColorFor(ButtonTextRole role) const;
    void OnMouseMove(UINT flags, POINT point);
    void OnCheckBoxRelease();
    // OnKeyDown(UINT virtualKey): true when onKeyDown took the key
    bool OnKeyDown(UINT virtualKey);
    // OnSpaceReleased(): check-box mode; the click of a Space press
    void OnSpaceReleased();
};
