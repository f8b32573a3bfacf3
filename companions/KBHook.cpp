// KBHook.dll: a low-level keyboard hook that reports every key to one window as WM_HOOK_KEY
// while reporting is on, and passes every key on to the system. The hook runs on the thread that
// installed it, which needs a message loop (the tool's user-interface thread has one).
#include "framework/Messages.h"

#include <windows.h>

namespace {
// A hook procedure receives no context of its own, so the library keeps its one hook here.
struct HookState {
    HHOOK hook = nullptr;
    HWND target = nullptr;
    bool reporting = false;
};
HookState state;
HMODULE library = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && state.reporting && state.target) {
        // A low-level hook already sees the left and right modifier keys apart (VK_LSHIFT...);
        // its release and extended-key flags are the message's 0x80 and 1.
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        ::PostMessageW(state.target, WM_HOOK_KEY, key.vkCode, key.flags & (LLKHF_UP | LLKHF_EXTENDED));
    }
    return ::CallNextHookEx(state.hook, code, wParam, lParam);
}
}  // namespace

extern "C" {

// Reports keys to `window` from now on; a hook already installed is kept and retargeted.
__declspec(dllexport) BOOL __cdecl installhook(HWND window) {
    state.target = window;
    if (!state.hook) state.hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, library, 0);
    return state.hook != nullptr;
}

__declspec(dllexport) BOOL __cdecl removehook() {
    BOOL removed = state.hook && ::UnhookWindowsHookEx(state.hook);
    state = HookState{};
    return removed;
}

__declspec(dllexport) BOOL __cdecl enablehook(int enable) {
    state.reporting = enable != 0;
    return TRUE;
}

// The mouse has its own buttons; these entry points exist for the callers and do nothing.
__declspec(dllexport) BOOL __cdecl installmousehook(HWND) { return FALSE; }
__declspec(dllexport) BOOL __cdecl removemousehook() { return FALSE; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) library = instance;
    return TRUE;
}
}
