#include "ui/dialogs/CWarningDlg.h"

#include "res/resource.h"

CWarningDlg::CWarningDlg(CWnd* parent, std::wstring titleText, std::wstring messageText, std::wstring noteText)
    : CPromptDialog(IDD_WARNING_BOX, parent, std::move(titleText), std::move(messageText), SkinPaintDC::Mode::Direct),
      noteText(std::move(noteText)) {}

void CWarningDlg::AddControls(std::vector<DialogControl>& controls) {
    warning = LoadSkinImage(SkinFolder::Background, L"warn.png", displayScale);
    controls.push_back({&noteLabel, {127, 157, 405, 187}, {}, noteText, DialogStyle::Label(15, SS_LEFT)});
}

void CWarningDlg::ReleaseSkin() {
    CPromptDialog::ReleaseSkin();
    warning.reset();
}

void CWarningDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
    DrawSkinImage(graphics, warning.get(), GdiplusRect(displayScale.Scale(RECT{34, 104, 130, 194})));
}
