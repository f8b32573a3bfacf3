// The entry points of the input hook library KBHook.dll, which sits beside the executable and
// reports keys to a window as WM_HOOK_KEY (framework/Messages.h).
#pragma once
#include <windows.h>

// Why no keys can be read, told once to the user by the dialog that needs them.
enum class HookProblem {
    None,
    LibraryMissing,  // no KBHook.dll beside the tool (an antivirus may have quarantined it)
    LibraryBlocked,  // the file is there but does not load, or lacks the hook's exports
    HookRefused,     // installhook failed: the system did not let the hook in
};

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

    // What keeps the keys from the dialog; set by LoadHookLibrary and by Install.
    HookProblem problem = HookProblem::None;

    // The calls the dialogs make; each is skipped when its entry point is missing. Install is
    // false, and notes the problem, when no hook reports keys to `window`.
    bool Install(HWND window);
    void Enable(bool enable) const;
    void Remove() const;
};

// Loads "KBHook.dll" from AppDirectory and resolves its five exports.
HookFunctions LoadHookLibrary();
