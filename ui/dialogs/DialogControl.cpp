#include "ui/dialogs/DialogControl.h"

#include "skin/WindowDpi.h"

namespace {
// The one creation path of every control of a dialog, one overload per kind of control.
// Rectangles are given at 96 DPI and placed at the dialog's scale.
struct ControlCreator {
    CWnd& dialog;
    const DialogControl& row;
    RECT rect;

    void operator()(CBitmapBtn* button) const {
        if (row.style.button == DialogStyle::Button::Captioned) {
            CreateCaptionedButton(*button, dialog, rect, row.images, row.text);
            return;
        }
        CreateSkinButton(*button, dialog, rect, row.images);
        if (!row.text.empty()) button->SetWindowText(row.text.c_str());
    }
    void operator()(CListBoxEx* list) const {
        list->Create(row.style.windowStyle, rect, &dialog, row.style.id, row.text.c_str());
    }
    void operator()(CClrEdit* edit) const {
        edit->Create(row.style.windowStyle, rect, &dialog, row.style.id);
        if (row.style.font) edit->SetFont(row.style.font);
        edit->SetLimitText(row.style.textLimit);
        if (!row.text.empty()) edit->SetWindowText(row.text.c_str());
    }
    void operator()(std::unique_ptr<CStaticTrans>* label) const {
        *label = CStaticTrans::CreateLabel(dialog, rect, row.text, row.style.windowStyle, row.style.fontHeight,
                                           row.style.italic);
    }
};
}  // namespace

void CreateDialogControls(CWnd& dialog, const std::vector<DialogControl>& controls) {
    const DisplayScale scale = WindowScale(dialog.m_hWnd);
    for (const DialogControl& row : controls) std::visit(ControlCreator{dialog, row, scale.Scale(row.rect)}, row.control);
}
