#include "ui/dialogs/CSingleKeyDlg.h"

#include "res/resource.h"
#include "skin/SkinFont.h"

namespace {
constexpr UINT kInputFieldId = 0x5002;
constexpr UINT_PTR kFocusTimer = 1;
constexpr UINT kFocusDelay = 50;  // ms: the field is focused once the box is up
}  // namespace

CSingleKeyDlg::CSingleKeyDlg(CWnd* parent, std::wstring titleText, std::wstring messageText)
    : CPromptDialog(IDD_TEXT_INPUT, parent, std::move(titleText), std::move(messageText), SkinPaintDC::Mode::Direct) {}

void CSingleKeyDlg::AddControls(std::vector<DialogControl>& controls) {
    fieldFrame = LoadSkinImage(SkinFolder::Background, L"menuitem-d.png", displayScale);
    inputField.editFont = SkinFont(displayScale.Scale(14), 500);
    controls.push_back({&inputField, {82, 146, 382, 176}, {}, L"",
                        DialogStyle::Edit(WS_CHILD | WS_VISIBLE, kInputFieldId, kMaxInputChars,
                                           inputField.editFont.Get())});
}

void CSingleKeyDlg::ConfigureControls() { SetTimer(kFocusTimer, kFocusDelay); }

void CSingleKeyDlg::ReleaseSkin() {
    CPromptDialog::ReleaseSkin();
    fieldFrame.reset();
}

void CSingleKeyDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
    DrawSkinImage(graphics, fieldFrame.get(), GdiplusRect(displayScale.Scale(RECT{82, 146, 383, 173})));
}

LRESULT CSingleKeyDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kFocusTimer) {
        KillTimer(kFocusTimer);
        ::SetFocus(inputField.m_hWnd);
        return 0;
    }
    return CPromptDialog::WindowProc(message, wParam, lParam);
}

void CSingleKeyDlg::OnOK() {
    inputText = inputField.GetWindowText();
    EndDialog(IDOK);
}
