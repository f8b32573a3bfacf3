#include "ui/dialogs/CPromptDialog.h"

#include "text/LocalisedText.h"

CPromptDialog::CPromptDialog(UINT templateId, CWnd* parent, std::wstring titleText, std::wstring messageText,
                             SkinPaintDC::Mode paintMode)
    : CSkinDialog(templateId, parent, paintMode, FALSE),
      titleText(std::move(titleText)),
      messageText(std::move(messageText)) {}

void CPromptDialog::CreateSkinLayout() {
    images.Load();
    // Never drawn (the box has no caption bar), but it names the box to the system and to tests.
    SetWindowText(titleText.c_str());
    MoveWindow(0, 0, kWidth, kHeight, TRUE);
    CreateCaptionedButton(okButton, *this, RECT{135, 219, 228, 245}, images.OkButton(), LoadUiString(L"General", 46));
    CreateCaptionedButton(cancelButton, *this, RECT{234, 219, 327, 245}, images.OkButton(),
                          LoadUiString(L"General", 47));
    titleLabel = CStaticTrans::CreateLabel(*this, TitleRect(), titleText, WS_VISIBLE | SS_CENTER, 21, 1);
    messageLabel = CStaticTrans::CreateLabel(*this, MessageRect(), messageText, WS_VISIBLE | SS_LEFT, 16);
    CreateControls();
}

void CPromptDialog::ShowNotice(const std::wstring& text) {
    if (!messageLabel) return;
    messageLabel->SetWindowText((text.empty() ? messageText : text).c_str());
}

BOOL CPromptDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<HWND>(lParam);
    if (control && control == okButton.m_hWnd) {
        OnOK();
    } else if (control && control == cancelButton.m_hWnd) {
        OnCancel();
    }
    return CSkinDialog::OnCommand(wParam, lParam);
}

BOOL CPromptDialog::PreTranslateMessage(MSG* message) {
    // Consumed: the dialog manager would otherwise press the default button a second time.
    if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        OnOK();
        return TRUE;
    }
    return CSkinDialog::PreTranslateMessage(message);
}
