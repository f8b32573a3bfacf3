#include "ui/dialogs/SystemNotices.h"

#include "framework/Messages.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"

namespace {
// Ids of section "WARNING".
constexpr int kHookTitle = 27;
constexpr int kHookMissingMessage = 28;
constexpr int kHookBlockedMessage = 29;
constexpr int kHookRefusedMessage = 30;
constexpr int kHookNote = 31;
constexpr int kServiceRightsTitle = 1;
constexpr int kServiceRightsMessage = 32;
constexpr int kServiceRightsNote = 33;

void ShowWarning(CWnd* owner, int title, int message, int note) {
    CWarningDlg box(owner, LoadUiString(L"WARNING", title), LoadUiString(L"WARNING", message),
                    LoadUiString(L"WARNING", note));
    box.DoModal();
}

void PostHookNotice(CWnd& dialog, HookProblem problem) {
    dialog.PostMessage(WM_HOOK_NOTICE, static_cast<WPARAM>(problem), 0);
}
}  // namespace

HookFunctions StartKeyHook(CWnd& dialog, bool install) {
    HookFunctions hook = LoadHookLibrary();
    if (hook.problem != HookProblem::None) {
        PostHookNotice(dialog, hook.problem);
    } else if (install) {
        InstallKeyHook(dialog, hook);
    }
    return hook;
}

bool InstallKeyHook(CWnd& dialog, HookFunctions& hook) {
    if (hook.problem != HookProblem::None) return false;
    if (hook.Install(dialog.m_hWnd)) return true;
    PostHookNotice(dialog, hook.problem);
    return false;
}

void ShowHookNotice(CWnd* owner, WPARAM problem) {
    int message = 0;
    switch (static_cast<HookProblem>(problem)) {
    case HookProblem::LibraryMissing:
        message = kHookMissingMessage;
        break;
    case HookProblem::LibraryBlocked:
        message = kHookBlockedMessage;
        break;
    case HookProblem::HookRefused:
        message = kHookRefusedMessage;
        break;
    case HookProblem::None:
        break;
    }
    if (message == 0) return;
    ShowWarning(owner, kHookTitle, message, kHookNote);
}

void ShowServiceRightsNotice(CWnd* owner) {
    ShowWarning(owner, kServiceRightsTitle, kServiceRightsMessage, kServiceRightsNote);
}
