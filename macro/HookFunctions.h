// The entry points of the input hook library KBHook.dll, which sits beside the executable and
// reports keys to a window as WM_HOOK_KEY (framework/Messages.h).
#pragma once
#include <windows.h>

struct HookFunctions {
    using InstallHookFunction = BOOL(__cdecl*)(HWND window);
    using RemoveHookFunction = BOOL(__cdecl*)();
    using EnableHookFunction = BOOL(__cdecl*)(int enable);

    // Null when the library could not be loaded; it is never unloaded.
    HMODULE library = nullptr;
    // Each entry point is null when the library or its export is missing.
    InstallHookFunction installhook = nullptr;
    RemoveHookFunction removehook = nullptr;
    FARPROC installmousehook = nullptr;  // resolved, never called
    FARPROC removemousehook = nullptr;   // resolved, never called
    EnableHookFunction enablehook = nullptr;

    // The calls the dialogs make; each is skipped when its entry point is missing.
    void Install(HWND window) const;
    void Enable(bool enable) const;
    void Remove() const;
};

// Loads "KBHook.dll" from AppDirectory and resolves its five exports.
HookFunctions LoadHookLibrary();
