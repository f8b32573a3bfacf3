// One row of a dialog's inventory: a control, its rectangle, its images, its text and its style.
// A dialog lists its controls in the order a reader meets them and creates them all with
// CreateDialogControls, so that every rectangle of a dialog passes through one place:
//
//     const std::vector<DialogControl> controls = {
//         {&titleLabel, RECT{99, 32, 382, 66}, {}, title, DialogStyle::Title()},
//         {&okButton, RECT{135, 219, 228, 245}, images.OkButton(), ok, DialogStyle::Captioned()},
//     };
//     CreateDialogControls(*this, controls);
//
// What a single dialog adds to a control (colours, flags, fonts of its own) it sets afterwards.
#pragma once
#include "skin/CBitmapBtn.h"
#include "skin/CClrEdit.h"
#include "skin/CListBoxEx.h"
#include "skin/CStaticTrans.h"
#include "skin/CaptionedButton.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

// The object a row creates. A label is made by its row and owned through the pointer given.
using DialogControlSlot = std::variant<CBitmapBtn*, CListBoxEx*, CClrEdit*, std::unique_ptr<CStaticTrans>*>;

struct DialogStyle {
    enum class Button { Captioned, ImageOnly };

    // A button: with its caption centred over it (the text), or its images only (the text
    // then only names it for the system).
    static DialogStyle Captioned() { return {}; }
    static DialogStyle ImageOnly() { return {Button::ImageOnly}; }
    // A transparent label in a font `height` pixels high, aligned by `align` (SS_LEFT, ...).
    static DialogStyle Label(int height, DWORD align) { return {Button::Captioned, WS_VISIBLE | align, height}; }
    // The dialog's title: centred, italic, 21 pixels high.
    static DialogStyle Title() { return {Button::Captioned, WS_VISIBLE | SS_CENTER, 21, 1}; }
    // An edit field of `style` and control `id` holding at most `limit` characters in `font`.
    static DialogStyle Edit(DWORD style, UINT id, UINT limit, HFONT font) {
        return {Button::Captioned, style, 0, 0, id, limit, font};
    }
    // A list of `style` and control `id`; the text names it.
    static DialogStyle List(DWORD style, UINT id) { return {Button::Captioned, style, 0, 0, id}; }

    Button button = Button::Captioned;
    DWORD windowStyle = 0;  // labels, edits and lists
    int fontHeight = 0;     // labels
    BYTE italic = 0;        // labels
    UINT id = 0;            // edits and lists; buttons have 0, labels 0xFFFF
    UINT textLimit = 0;     // edits
    HFONT font = nullptr;   // edits; borrowed from the dialog or the field
};

struct DialogControl {
    DialogControlSlot control;
    RECT rect;
    ButtonImageSet images;  // buttons; borrowed from the dialog
    std::wstring text;      // a caption, a label's text, a list's name or an edit's first text
    DialogStyle style;
};

// Creates the control of every row, in the order of the rows, as children of `dialog`.
void CreateDialogControls(CWnd& dialog, const std::vector<DialogControl>& controls);
