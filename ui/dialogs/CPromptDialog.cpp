#include "ui/dialogs/CPromptDialog.h"

#include "text/LocalisedText.h"

CPromptDialog::CPromptDialog(UINT templateId, CWnd* parent, std::wstring titleText, std::wstring messageText,
                             SkinPaintDC::Mode paintMode)
    : CSkinDialog(templateId, parent, paintMode, FALSE),
      titleText(std::move(titleText)),
      messageText(std::move(messageText)) {}

void CPromptDialog::CreateSkinLayout() {
    images.Load(displayScale);
    // Never drawn (the box has no caption bar), but it names the box to the system and to tests.
    SetWindowText(titleText.c_str());
    MoveWindow(0, 0, displayScale.Scale(kWidth), displayScale.Scale(kHeight), TRUE);
    inventory = {
        {&titleLabel, TitleRect(), {}, titleText, DialogStyle::Title()},
        {&messageLabel, MessageRect(), {}, messageText, DialogStyle::Label(16, SS_LEFT)},
    };
    AddControls(inventory);
    inventory.push_back({&okButton,
                         {135, 219, 228, 245},
                         images.OkButton(),
                         LoadUiString(TextId::General::Ok),
                         DialogStyle::Captioned()});
    inventory.push_back({&cancelButton, {234, 219, 327, 245}, images.OkButton(), LoadUiString(TextId::General::Cancel),
                         DialogStyle::Captioned()});
    CreateDialogControls(*this, inventory);
    okButton.onClick = [this] { OnOK(); };
    cancelButton.onClick = [this] { OnCancel(); };
    ConfigureControls();
}

void CPromptDialog::ShowNotice(const std::wstring& text) {
    if (!messageLabel) return;
    messageLabel->SetWindowText((text.empty() ? messageText : text).c_str());
}

BOOL CPromptDialog::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    ::SetFocus(okButton.m_hWnd);
    return FALSE;
}

BOOL CPromptDialog::PreTranslateMessage(MSG* message) {
    // Consumed: the dialog manager would otherwise press the default button a second time.
    if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        OnOK();
        return TRUE;
    }
    return CSkinDialog::PreTranslateMessage(message);
}
