#include "ui/dialogs/CWarningDlg.h"

#include "res/resource.h"
#include "text/LocalisedText.h"

namespace {
RECT Rect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }
}  // namespace

CWarningDlg::CWarningDlg(CWnd* parent, std::wstring titleText, std::wstring messageText, std::wstring noteText)
    : CSkinDialog(IDD_WARNING_BOX, parent, SkinPaintDC::Mode::Direct, FALSE),
      titleText(std::move(titleText)),
      messageText(std::move(messageText)),
      noteText(std::move(noteText)) {}

void CWarningDlg::CreateSkinLayout() {
    images.Load();
    warning = LoadSkinImage(SkinFolder::Background, L"warn.png");
    MoveWindow(0, 0, kWidth, kHeight, TRUE);
    CreateCaptionedButton(okButton, *this, Rect(135, 219, 228, 245), images.OkButton(), LoadUiString(L"General", 46));
    CreateCaptionedButton(cancelButton, *this, Rect(234, 219, 327, 245), images.OkButton(),
                          LoadUiString(L"General", 47));
    titleLabel = CStaticTrans::CreateLabel(*this, Rect(103, 42, 376, 69), titleText, WS_VISIBLE | SS_CENTER, 21, 1);
    messageLabel = CStaticTrans::CreateLabel(*this, Rect(127, 103, 405, 141), messageText, WS_VISIBLE | SS_LEFT, 16);
    noteLabel = CStaticTrans::CreateLabel(*this, Rect(127, 157, 405, 187), noteText, WS_VISIBLE | SS_LEFT, 15);
}

void CWarningDlg::ReleaseSkin() {
    images.Release();
    warning.reset();
}

void CWarningDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
    DrawSkinImage(graphics, warning.get(), Gdiplus::Rect(34, 104, 96, 90));
}

BOOL CWarningDlg::PreTranslateMessage(MSG* message) {
    if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        EndDialog(IDOK);
        return TRUE;
    }
    return CSkinDialog::PreTranslateMessage(message);
}

BOOL CWarningDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<HWND>(lParam);
    if (control && control == okButton.m_hWnd) {
        OnOK();
    } else if (control && control == cancelButton.m_hWnd) {
        OnCancel();
    }
    return CSkinDialog::OnCommand(wParam, lParam);
}
