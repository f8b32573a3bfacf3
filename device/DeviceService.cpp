#include "device/DeviceService.h"

#include "framework/Folders.h"
#include "framework/Messages.h"
#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"
#include "profile/ProfileSet.h"

#include <cwchar>

HWND FindServiceWindow() { return ::FindWindowW(nullptr, SERVICE_WINDOW_TITLE); }

ServiceReply ServiceReplyOf(BOOL sent, DWORD error, bool windowStillThere) {
    if (sent) return ServiceReply::Answered;
    return error == ERROR_ACCESS_DENIED && windowStillThere ? ServiceReply::Refused : ServiceReply::Missing;
}

ServiceReply SendToService(HWND service, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!service) return ServiceReply::Missing;
    DWORD_PTR ignored = 0;
    ::SetLastError(ERROR_SUCCESS);
    const LRESULT sent = ::SendMessageTimeoutW(service, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                               kServiceReplyMilliseconds, &ignored);
    const DWORD error = ::GetLastError();
    return ServiceReplyOf(sent != 0, error, ::IsWindow(service) != FALSE);
}

std::wstring ServiceCommandLine(const std::wstring& toolDirectory) { return L"\"" + toolDirectory + L"hid.exe\""; }

void LaunchDeviceService() {
    const std::wstring folder = AppDirectory;
    const std::wstring path = folder + L"hid.exe";
    std::wstring commandLine = ServiceCommandLine(folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &process)) {
        return;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void AllowServiceMessages(HWND window) {
    for (UINT message : {WM_DEVICE_PRESENCE, WM_DEVICE_SETTING}) {
        CHANGEFILTERSTRUCT status{};
        status.cbSize = sizeof(status);
        ::ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, &status);
    }
}

std::wstring DeviceFlagFilePath() { return MacroFolder() + L"MacroSet.MSDB"; }

int ReadDeviceFlag() { return IniFile(DeviceFlagFilePath()).ReadInt(L"Setting", L"Device", 0); }

ServiceReply SendMacroChanged(const std::wstring& macroName) {
    HWND service = FindServiceWindow();
    if (!service) return ServiceReply::Missing;
    const INT_PTR slot = MacroLibrary().FindMacroSlot(macroName);
    return SendToService(service, WM_SERVICE_MACRO_CHANGED, static_cast<WPARAM>(slot), 0);
}

ServiceReply SendMacroButtons(const ProfileSet& profiles, const std::wstring& macroName) {
    HWND service = FindServiceWindow();
    if (!service) return ServiceReply::Missing;
    for (int profile = 0; profile < kProfileCount; ++profile) {
        const ProfileRecord& record = profiles.Profiles[static_cast<size_t>(profile)];
        for (int button = 0; button < kButtonCount; ++button) {
            const ButtonAssignment& assignment = record.Buttons[static_cast<size_t>(button)];
            // The stored name may come from a file without its terminator.
            const std::wstring name(assignment.MacroName, wcsnlen(assignment.MacroName, kMacroNameChars + 1));
            if (assignment.ButtonFunc != FUNC_MACRO || name != macroName) continue;
            const ServiceReply reply =
                SendToService(service, WM_SERVICE_MACRO_BUTTON, static_cast<WPARAM>(profile), button);
            if (reply != ServiceReply::Answered) return reply;
        }
    }
    return ServiceReply::Answered;
}
