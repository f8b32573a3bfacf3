#include "ui/dialogs/CSingleKey.h"

#include "framework/Messages.h"
#include "res/resource.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/SystemNotices.h"

CSingleKey::CSingleKey(CWnd* parent, std::wstring titleText, std::wstring messageText, bool singleKeyOnly)
    : CPromptDialog(IDD_EDITOR_DIALOG, parent, std::move(titleText), std::move(messageText),
                    SkinPaintDC::Mode::Buffered),
      capture(singleKeyOnly) {}

void CSingleKey::AddControls(std::vector<DialogControl>& controls) {
    const ButtonImageSet ok = images.OkButton();
    controls.push_back({&keyDisplay, KeyDisplayRect(), {ok.normal, ok.normal, ok.normal, ok.normal}, L"",
                        DialogStyle::Captioned()});
}

void CSingleKey::ConfigureControls() {
    keyDisplay.fillBackground = 1;
    keyDisplay.backgroundColor = RGB(0, 0, 0);
    keyDisplay.onClick = [this] {
        capture.Restart();
        ShowNotice(L"");
    };
}

BOOL CSingleKey::OnInitDialog() {
    const BOOL result = CPromptDialog::OnInitDialog();
    hook = StartKeyHook(*this, true);
    ReportKeys(true);
    ShowKeys(capture.Start());
    return result;
}

void CSingleKey::ShowStateAgain() { keyDisplay.SetText(shownKeys, 0, kTextCentred); }

void CSingleKey::ReportKeys(bool on) {
    hook.Enable(on);
    reporting = on && hook.installhook && hook.enablehook && hook.problem == HookProblem::None;
}

void CSingleKey::ShowKeys(const std::wstring& text) {
    ShowNotice(L"");
    shownKeys = text;
    keyDisplay.SetText(text, 0, kTextCentred);
}

LRESULT CSingleKey::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HOOK_KEY:
        return OnHookKey(static_cast<int>(wParam), static_cast<int>(lParam));
    case WM_HOOK_NOTICE:
        ShowHookNotice(this, wParam);
        return 0;
    case WM_DESTROY: {
        LRESULT result = CPromptDialog::WindowProc(message, wParam, lParam);
        hook.Enable(false);
        hook.Remove();
        reporting = false;
        return result;
    }
    default:
        return CPromptDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CSingleKey::PreTranslateMessage(MSG* message) {
    // The hook reports every key before its key message comes; taken here as well, Enter would
    // confirm and Escape cancel in the middle of a capture, and Tab or Space act on the controls.
    if (reporting && message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) return TRUE;
    return CPromptDialog::PreTranslateMessage(message);
}

LRESULT CSingleKey::OnHookKey(int vk, int flags) {
    std::wstring text;
    switch (capture.OnHookKey(vk, flags, text)) {
    case KeyCapture::Answer::Ignored: return 0;
    case KeyCapture::Answer::Shown: ShowKeys(text); break;
    case KeyCapture::Answer::Refused:
        ::MessageBeep(MB_ICONWARNING);
        ShowNotice(LoadUiString(TextId::SingleKey::KeyRefused));
        break;
    case KeyCapture::Answer::Confirm: OnOK(); break;
    case KeyCapture::Answer::Cancel: OnCancel(); break;
    }
    return 1;
}

void CSingleKey::OnOK() { EndDialog(capture.Finish() ? IDOK : IDCANCEL); }
