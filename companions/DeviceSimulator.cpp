#include "companions/DeviceSimulator.h"

#include "companions/DeviceProfiles.h"
#include "companions/DpiButton.h"
#include "device/DeviceService.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"

#include <array>

namespace {
constexpr UINT_PTR kPresenceTimer = 1;
constexpr UINT kPresenceRetryMilliseconds = 500;
constexpr int kPresenceTries = 20;  // the tool's window gets its title a moment after it starts
// Posted to itself by the hang command, so that the command's sender gets its answer first.
// wParam: seconds.
constexpr UINT kHangMessage = WM_APP + 1;
// Posted to itself by an apply, so that the tool's send returns before the files are read.
constexpr UINT kApplyWorkMessage = WM_APP + 2;
constexpr UINT kDiedOnApplyExitCode = 3;

// A profile file is complete once it holds the last value the tool writes into it.
int CountCompleteProfileFiles() {
    int complete = 0;
    for (int k = 0; k < kProfileCount; ++k) {
        std::array<unsigned char, kKeyDataBytes> keyData{};
        if (IniFile(ProfileFilePath(k)).ReadStruct(L"GROUP", L"ButtonAssigned_8", keyData.data(), kKeyDataBytes)) {
            ++complete;
        }
    }
    return complete;
}
}  // namespace

DeviceSimulator::DeviceSimulator() : log(std::wstring(DataFolder) + L"hid-simulator.log") {}

bool DeviceSimulator::Start() {
    // The tool expects the service to have made the shared folders.
    ::CreateDirectoryW(DataFolder, nullptr);
    ::CreateDirectoryW(MacroFolder().c_str(), nullptr);
    // Before the window exists, so that whoever finds the window finds the profiles too.
    reloadPending = WriteFactoryProfilesIfMissing();

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OrvaneDeviceSimulator";
    ::RegisterClassW(&windowClass);
    if (!CreateEx(0, windowClass.lpszClassName, SERVICE_WINDOW_TITLE, WS_OVERLAPPED, RECT{0, 0, 100, 100}, nullptr,
                  0)) {
        return false;
    }
    log.Write(L"started");
    IniFile(DeviceFlagFilePath()).WriteInt(L"Setting", L"Device", 1);
    SetTimer(kPresenceTimer, kPresenceRetryMilliseconds);
    OnPresenceTimer();
    return true;
}

LRESULT DeviceSimulator::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SERVICE_APPLY:
        OnServiceApply();
        return 0;
    case kApplyWorkMessage:
        ReadAppliedProfiles();
        return 0;
    case WM_SERVICE_MACRO_CHANGED:
    case WM_SERVICE_MACRO_BUTTON:
        log.WriteMessage(L"received", message, wParam, lParam);
        return 0;
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case kHangMessage:
        OnHang(static_cast<int>(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kPresenceTimer) OnPresenceTimer();
        return 0;
    case WM_DESTROY:
        log.Write(L"stopped");
        ::PostQuitMessage(0);
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void DeviceSimulator::OnServiceApply() {
    if (dieOnApply) {
        log.WriteMessage(L"received", WM_SERVICE_APPLY, 0, 0, L"ending without an answer");
        ::ExitProcess(kDiedOnApplyExitCode);
    }
    // The tool waits in its send until this returns, its window frozen meanwhile; the files are
    // read afterwards. The tool writes them again only once the apply is confirmed.
    PostMessage(kApplyWorkMessage, 0, 0);
}

void DeviceSimulator::ReadAppliedProfiles() {
    const int complete = CountCompleteProfileFiles();
    const ProfileSet profiles = ReadDeviceProfiles();
    log.WriteMessage(L"received", WM_SERVICE_APPLY, 0, 0,
                     L"complete-files=" + std::to_wstring(complete) +
                         L" active-profile=" + std::to_wstring(profiles.GroupID + 1));
    if (confirmApplies) TellTool(WM_DEVICE_SETTING, SETTING_APPLY_DONE, 0);
}

bool DeviceSimulator::OnCopyData(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kCommandTag || !data->lpData || data->cbData % sizeof(wchar_t) != 0 ||
        data->cbData > kMaxCommandChars * sizeof(wchar_t)) {
        return false;
    }
    const std::wstring text(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
    const auto command = SimulatorCommand::Parse(SimulatorCommand::SplitWords(text.c_str()));
    log.Write((command ? L"command " : L"refused command ") + std::wstring(text.c_str()));
    if (!command) return false;
    RunCommand(*command);
    return true;
}

void DeviceSimulator::RunCommand(const SimulatorCommand& command) {
    switch (command.kind) {
    case SimulatorCommand::Kind::Present: SetDevicePresent(true); break;
    case SimulatorCommand::Kind::Absent: SetDevicePresent(false); break;
    case SimulatorCommand::Kind::Setting:
        TellTool(WM_DEVICE_SETTING, static_cast<WPARAM>(command.id), command.value);
        break;
    case SimulatorCommand::Kind::Set: RewriteProfileValue(command.profile, command.key, command.value); break;
    case SimulatorCommand::Kind::Dpi: PressDpiButton(); break;
    case SimulatorCommand::Kind::Profile: SwitchProfile(command.profile); break;
    case SimulatorCommand::Kind::Quit: DestroyWindow(); break;
    case SimulatorCommand::Kind::IgnoreApplies: confirmApplies = false; break;
    case SimulatorCommand::Kind::Hang: PostMessage(kHangMessage, static_cast<WPARAM>(command.value), 0); break;
    case SimulatorCommand::Kind::DieOnApply: dieOnApply = true; break;
    }
}

bool DeviceSimulator::WriteFactoryProfilesIfMissing() {
    for (int k = 0; k < kProfileCount; ++k) {
        if (::GetFileAttributesW(ProfileFilePath(k).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    }
    ProfileSet factory{};
    SetProfileDefaults(factory);
    RepairProfileSet(factory);
    for (int k = 0; k < kProfileCount; ++k) ResetProfile(factory, k);
    WorkingProfiles = factory;
    SaveAllProfiles();
    log.Write(L"wrote factory profiles");
    return true;
}

void DeviceSimulator::OnPresenceTimer() {
    const bool toolThere = ::FindWindowW(nullptr, TOOL_WINDOW_TITLE) != nullptr;
    if (toolThere) TellTool(WM_DEVICE_PRESENCE, 0, 0);
    if (toolThere && reloadPending) {
        reloadPending = false;
        TellTool(WM_DEVICE_SETTING, SETTING_RELOAD, 0);
    }
    if (toolThere || ++presenceTries >= kPresenceTries) KillTimer(kPresenceTimer);
}

void DeviceSimulator::SetDevicePresent(bool present) {
    KillTimer(kPresenceTimer);
    IniFile(DeviceFlagFilePath()).WriteInt(L"Setting", L"Device", present ? 1 : 0);
    TellTool(WM_DEVICE_PRESENCE, 0, 0);
}

void DeviceSimulator::PressDpiButton() {
    const ProfileSet profiles = ReadDeviceProfiles();
    const ProfileRecord& active = profiles.Profiles[static_cast<size_t>(profiles.GroupID)];
    std::array<bool, kDpiStageCount> enabled{};
    for (size_t s = 0; s < enabled.size(); ++s) enabled[s] = active.DPIStageValue[s].Enabled != 0;
    const int stage = NextDpiStage(active.DPI, enabled);
    IniFile(ProfileFilePath(profiles.GroupID)).WriteInt(L"GROUP", L"DPI", stage);
    TellTool(WM_DEVICE_SETTING, SETTING_DPI_STAGE, stage);
}

void DeviceSimulator::SwitchProfile(int profile) {
    for (int k = 0; k < kProfileCount; ++k) IniFile(ProfileFilePath(k)).WriteInt(L"GROUP", L"GroupID", profile);
    TellTool(WM_DEVICE_SETTING, SETTING_PROFILE, profile);
}

void DeviceSimulator::RewriteProfileValue(int profile, const std::wstring& key, int value) {
    IniFile(ProfileFilePath(profile)).WriteInt(L"GROUP", key.c_str(), value);
    TellTool(WM_DEVICE_SETTING, SETTING_RELOAD, 0);
}

void DeviceSimulator::OnHang(int seconds) {
    log.Write(L"hanging for " + std::to_wstring(seconds) + L" s");
    ::Sleep(static_cast<DWORD>(seconds) * 1000);
    log.Write(L"answering again");
}

bool DeviceSimulator::TellTool(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND tool = ::FindWindowW(nullptr, TOOL_WINDOW_TITLE);
    const bool posted = tool && ::PostMessageW(tool, message, wParam, lParam);
    log.WriteMessage(posted ? L"sent" : L"no tool window for", message, wParam, lParam);
    return posted;
}
