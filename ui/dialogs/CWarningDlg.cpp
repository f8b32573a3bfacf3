#include "keys/CWarningDlg.h"

#include "app/res/resource.h"
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
    background = LoadSkinImage(SkinFolder::Background, L"dlg.png");
    warning = LoadSkinImage(SkinFolder::Background, L"warn.png");
    okNormal = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png");
    okHover = LoadSkinImage(SkinFolder::Buttons, L"ok-3.png");
    okPressed = LoadSkinImage(SkinFolder::Buttons, L"ok-2.png");
    MoveWindow(0, 0, kWidth, kHeight, TRUE);

    const int captionIds[2] = {46, 47};
    CBitmapBtn* buttons[2] = {&okButton, &cancelButton};
    for (int i = 0; i < 2; ++i) {
        CBitmapBtn& button = *buttons[i];
        button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Rect(135 + 99 * i, 219, 228 + 99 * i, 245), this, 0);
        button.SetImages(okNormal.get(), okHover.get(), okPressed.get(), okNormal.get());
        button.SetText(LoadUiString(L"General", captionIds[i]), 0, kTextCentred);
        button.textVisible = 1;
        button.useTextRect = 1;
        button.textRect = Rect(0, 0, 93, 26);
        button.normalTextColor = button.hoverTextColor = button.pressedTextColor = RGB(0xFF, 0xFF, 0xFF);
        button.Invalidate();
    }
    titleLabel = CStaticTrans::CreateLabel(*this, Rect(103, 42, 376, 69), titleText, WS_VISIBLE | SS_CENTER, 21, 1);
    messageLabel = CStaticTrans::CreateLabel(*this, Rect(127, 103, 405, 141), messageText, WS_VISIBLE | SS_LEFT, 16);
    noteLabel = CStaticTrans::CreateLabel(*this, Rect(127, 157, 405, 187), noteText, WS_VISIBLE | SS_LEFT, 15);
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
