// The notices about what the system around the tool keeps from it: a keyboard hook that cannot
// read keys, and a device service that drops the tool's messages. Both are warning boxes with
// texts of section "WARNING".
#pragma once
#include "framework/CWnd.h"
#include "macro/HookFunctions.h"

// Loads the input hook library for a dialog that reads keys and, with `install`, hooks the
// keyboard for it. When no keys can be read, WM_HOOK_NOTICE is posted to the dialog, so that the
// notice comes once the dialog is shown; the dialog answers it with ShowHookNotice.
HookFunctions StartKeyHook(CWnd& dialog, bool install);
// Hooks the keyboard for a dialog that loaded the library before; false, with WM_HOOK_NOTICE
// posted, when the hook cannot report keys. A problem already told is not posted again.
bool InstallKeyHook(CWnd& dialog, HookFunctions& hook);
// Why no keys can be read: the answer to WM_HOOK_NOTICE (its wParam).
void ShowHookNotice(CWnd* owner, WPARAM problem);

// The service runs with other rights than the tool, so no message of the tool reaches it.
void ShowServiceRightsNotice(CWnd* owner);
