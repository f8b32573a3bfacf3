#include "macro/HookFunctions.h"

#include "framework/Folders.h"

#include <string>

namespace {
// The exports have their own types; GetProcAddress gives them all one.
template <typename Function>
Function Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}
}  // namespace

bool HookFunctions::Install(HWND window) {
    if (problem != HookProblem::None || !installhook) return false;
    if (!installhook(window)) {
        problem = HookProblem::HookRefused;
        return false;
    }
    return true;
}

void HookFunctions::Enable(bool enable) const {
    if (enablehook) enablehook(enable ? 1 : 0);
}

void HookFunctions::Remove() const {
    if (removehook) removehook();
}

HookFunctions LoadHookLibrary() {
    HookFunctions functions;
    const std::wstring path = std::wstring(AppDirectory) + L"KBHook.dll";
    functions.library = ::LoadLibraryW(path.c_str());
    if (!functions.library) {
        const bool present = ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        functions.problem = present ? HookProblem::LibraryBlocked : HookProblem::LibraryMissing;
        return functions;
    }
    functions.installhook = Resolve<HookFunctions::InstallHookFunction>(functions.library, "installhook");
    functions.removehook = Resolve<HookFunctions::RemoveHookFunction>(functions.library, "removehook");
    functions.installmousehook = ::GetProcAddress(functions.library, "installmousehook");
    functions.removemousehook = ::GetProcAddress(functions.library, "removemousehook");
    functions.enablehook = Resolve<HookFunctions::EnableHookFunction>(functions.library, "enablehook");
    if (!functions.installhook || !functions.enablehook) functions.problem = HookProblem::LibraryBlocked;
    return functions;
}
