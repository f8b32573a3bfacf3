// What window tests share: running the messages that are waiting, and a documents folder of
// the test's own.
#pragma once
#include "framework/CDialog.h"

#include <windows.h>

#include <functional>
#include <string>

// Dispatches every message waiting in this thread's queue.
void PumpMessages();

// Handles this thread's messages, which also runs the hooks installed on it, until `done` holds;
// false when it did not within ten seconds.
bool PumpUntil(const std::function<bool()>& done);

// Puts a key press or release into the system's input, as a typed key would, and waits until the
// system has taken it, which is after every low-level hook has seen it.
void SendKey(WORD virtualKey, bool release);
void TypeKey(WORD virtualKey);

// Runs `script` from inside the next modal loop of this thread, once its dialog is up: the script
// acts on the dialog as a user would and ends it.
void RunInNextModalLoop(std::function<void()> script);
// Drops the script when no modal loop came.
void ForgetModalScript();

// The visible top-level window of this thread whose object is a `Dialog` and passes `accept`,
// or null.
template <class Dialog>
Dialog* ShownDialog(bool (*accept)(Dialog&) = [](Dialog&) { return true; }) {
    struct Search {
        bool (*accept)(Dialog&);
        Dialog* found;
    } search{accept, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        auto* dialog = dynamic_cast<Dialog*>(CWnd::FromHandle(window));
        if (!dialog || !::IsWindowVisible(window) || !s.accept(*dialog)) return TRUE;
        s.found = dialog;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Points the user's documents folder (the shell folder "Personal") at `folder`, which ends with a
// backslash, while the object lives; the previous value comes back afterwards.
class DocumentsRedirect {
public:
    explicit DocumentsRedirect(const std::wstring& folder);
    ~DocumentsRedirect();
    DocumentsRedirect(const DocumentsRedirect&) = delete;
    DocumentsRedirect& operator=(const DocumentsRedirect&) = delete;

private:
    bool hadValue = false;
    DWORD savedType = REG_SZ;
    wchar_t saved[MAX_PATH] = L"";
};
