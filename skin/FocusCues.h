// Keyboard focus cues of the skinned windows, in the Windows way: focus rings show once the
// keyboard is used in a top-level window and go again with a mouse click; the focused control
// draws its ring in the accent colour. The state is the top-level window's own (a window
// property, hidden while absent), since Wine keeps no UI state that WM_QUERYUISTATE reports; the
// system's controls learn each change through WM_UPDATEUISTATE.
#pragma once
#include <windows.h>

constexpr COLORREF kFocusRingColor = RGB(0x00, 0xB4, 0xF0);

// Whether the top-level window of `control` shows focus rings.
bool FocusCuesShown(HWND control);

// Shows or hides the focus rings of the top-level window of `window`; the focused control is
// repainted when that changes.
void SetFocusCues(HWND window, bool shown);

// The input of `message` decides the rings of its window: a key press shows them, a mouse press
// hides them. For a modal loop, before the message is dispatched.
void NoteInputForFocusCues(const MSG& message);

// Drops the state of top-level window `root`, before it is destroyed.
void ForgetFocusCues(HWND root);

// Whether `control` has the focus and its window shows focus rings.
bool DrawsFocusRing(HWND control);

// The ring: a frame `thickness` pixels wide just inside `area`.
void DrawFocusRing(HDC dc, const RECT& area, int thickness = 2);
