#include "ui/dialogs/CWarningDlg.h"

#include "res/resource.h"

CWarningDlg::CWarningDlg(CWnd* parent, std::wstring titleText, std::wstring messageText, std::wstring noteText)
    : CPromptDialog(IDD_WARNING_BOX, parent, std::move(titleText), std::move(messageText), SkinPaintDC::Mode::Direct),
      noteText(std::move(noteText)) {}

void CWarningDlg::CreateControls() {
    warning = LoadSkinImage(SkinFolder::Background, L"warn.png");
    noteLabel = CStaticTrans::CreateLabel(*this, RECT{127, 157, 405, 187}, noteText, WS_VISIBLE | SS_LEFT, 15);
}

void CWarningDlg::ReleaseSkin() {
    CPromptDialog::ReleaseSkin();
    warning.reset();
}

void CWarningDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
    DrawSkinImage(graphics, warning.get(), Gdiplus::Rect(34, 104, 96, 90));
}
