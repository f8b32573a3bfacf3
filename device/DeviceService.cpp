#include "device/DeviceService.h"

#include "framework/Folders.h"
#include "framework/Messages.h"
#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"
#include "profile/ProfileSet.h"

#include <shellapi.h>

#include <cwchar>

HWND FindServiceWindow() { return ::FindWindowW(nullptr, SERVICE_WINDOW_TITLE); }

bool SendToService(HWND service, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    return service && ::SendMessageTimeoutW(service, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                            kServiceReplyMilliseconds, &ignored) != 0;
}

void LaunchDeviceService() {
    const std::wstring path = std::wstring(AppDirectory) + L"hid.exe";
    ::ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

std::wstring DeviceFlagFilePath() { return MacroFolder() + L"MacroSet.MSDB"; }

int ReadDeviceFlag() { return IniFile(DeviceFlagFilePath()).ReadInt(L"Setting", L"Device", 0); }

void SendMacroChanged(const std::wstring& macroName) {
    HWND service = FindServiceWindow();
    if (!service) return;
    const INT_PTR slot = MacroLibrary().FindMacroSlot(macroName);
    SendToService(service, WM_SERVICE_MACRO_CHANGED, static_cast<WPARAM>(slot), 0);
}

void SendMacroButtons(const ProfileSet& profiles, const std::wstring& macroName) {
    HWND service = FindServiceWindow();
    if (!service) return;
    for (int profile = 0; profile < kProfileCount; ++profile) {
        const ProfileRecord& record = profiles.Profiles[static_cast<size_t>(profile)];
        for (int button = 0; button < kButtonCount; ++button) {
            const ButtonAssignment& assignment = record.Buttons[static_cast<size_t>(button)];
            // The stored name may come from a file without its terminator.
            const std::wstring name(assignment.MacroName, wcsnlen(assignment.MacroName, kMacroNameChars + 1));
            if (assignment.ButtonFunc != FUNC_MACRO || name != macroName) continue;
            if (!SendToService(service, WM_SERVICE_MACRO_BUTTON, static_cast<WPARAM>(profile), button)) return;
        }
    }
}
