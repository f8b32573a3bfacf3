#include "ui/dialogs/SystemNotices.h"

#include "framework/Messages.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"

namespace {
using TextId::Warning;

void ShowWarning(CWnd* owner, Warning title, Warning message, Warning note) {
    CWarningDlg box(owner, LoadUiString(title), LoadUiString(message), LoadUiString(note));
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
    Warning message;
    switch (static_cast<HookProblem>(problem)) {
    case HookProblem::LibraryMissing:
        message = Warning::HookLibraryMissing;
        break;
    case HookProblem::LibraryBlocked:
        message = Warning::HookLibraryBlocked;
        break;
    case HookProblem::HookRefused:
        message = Warning::HookRefused;
        break;
    default:
        return;
    }
    ShowWarning(owner, Warning::KeysUnreadableTitle, message, Warning::HookNote);
}

void ShowServiceRightsNotice(CWnd* owner) {
    ShowWarning(owner, Warning::Title, Warning::ServiceRightsDiffer, Warning::ServiceRightsNote);
}
