#include "ui/dialogs/CSingleKey.h"

#include "framework/Messages.h"
#include "res/resource.h"
#include "ui/dialogs/SystemNotices.h"

namespace {
LastHookEvent singleKeyLastEvent;
}  // namespace

CSingleKey::CSingleKey(CWnd* parent, std::wstring titleText, std::wstring messageText, bool singleKeyOnly)
    : CSingleKey(parent, std::move(titleText), std::move(messageText), singleKeyOnly, singleKeyLastEvent) {}

CSingleKey::CSingleKey(CWnd* parent, std::wstring titleText, std::wstring messageText, bool singleKeyOnly,
                       LastHookEvent& lastEvent)
    : CPromptDialog(IDD_EDITOR_DIALOG, parent, std::move(titleText), std::move(messageText),
                    SkinPaintDC::Mode::Buffered),
      capture(singleKeyOnly, lastEvent) {}

void CSingleKey::CreateControls() {
    const ButtonImageSet ok = images.OkButton();
    CreateCaptionedButton(keyDisplay, *this, KeyDisplayRect(), ButtonImageSet{ok.normal, ok.normal, ok.normal, ok.normal},
                          L"");
    keyDisplay.fillBackground = 1;
    keyDisplay.backgroundColor = RGB(0, 0, 0);
}

BOOL CSingleKey::OnInitDialog() {
    CPromptDialog::OnInitDialog();
    hook = StartKeyHook(*this, true);
    hook.Enable(true);
    keyDisplay.SetText(capture.Start(), 0, kTextCentred);
    return TRUE;
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
        return result;
    }
    default:
        return CPromptDialog::WindowProc(message, wParam, lParam);
    }
}

LRESULT CSingleKey::OnHookKey(int vk, int flags) {
    std::wstring text;
    if (!capture.OnHookKey(vk, flags, text)) return 0;
    keyDisplay.SetText(text, 0, kTextCentred);
    return 1;
}

void CSingleKey::OnOK() { EndDialog(capture.Finish() ? IDOK : IDCANCEL); }
