#include "ctl/CtlSession.h"

#include "ctl/NamedValues.h"
#include "ctl/ProfileReport.h"
#include "device/DeviceService.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "functions/FunctionChoice.h"
#include "keys/KeyCapture.h"
#include "keys/KeyTables.h"
#include "macro/MacroButtons.h"
#include "macro/MacroLibrary.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"
#include "ui/main/SettingsValues.h"

#include <windows.h>

#include <algorithm>

namespace {
std::wstring ProfileText(int profileIndex) { return L"profile " + std::to_wstring(profileIndex + 1); }

bool ChangesSomething(CtlCommand command) {
    return command == CtlCommand::Switch || command == CtlCommand::Set || command == CtlCommand::Import ||
           command == CtlCommand::Reset;
}

// Relative names would make the private-profile functions use the Windows folder.
std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH];
    const DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(full, length) : std::wstring();
}

bool CanOpen(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

// The hook's events for keys pressed one after another and held, as the key-combination dialog
// receives them; `capture` then holds what the dialog would store.
void PressKeys(KeyCapture& capture, const std::vector<std::uint8_t>& keys) {
    capture.Start();
    std::wstring display;
    for (std::uint8_t hid : keys) {
        int vk = 0;
        UsageKey(hid, vk);
        capture.OnHookKey(vk, 0, display);
    }
    capture.Finish();
}

// A file that cannot be opened for writing is found before any of the five is written, so that
// a refused save changes none of them.
bool ProfileFilesWritable() {
    for (int k = 0; k < kProfileCount; ++k) {
        const std::wstring path = ProfileFilePath(k);
        if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        if (!CanOpen(path, GENERIC_WRITE, OPEN_EXISTING)) return false;
    }
    return true;
}

// The service reads all five files after each apply, and a file it holds open cannot be replaced
// meanwhile; a command right after another waits for it, a little at most.
bool SaveWhileServiceReads() {
    constexpr int kAttempts = 50;
    constexpr DWORD kPauseMilliseconds = 40;
    for (int attempt = 1; attempt < kAttempts; ++attempt) {
        if (SaveAllProfiles()) return true;
        ::Sleep(kPauseMilliseconds);
    }
    return SaveAllProfiles();
}
}  // namespace

int CtlSession::Refuse(const std::wstring& problem) {
    error = problem;
    return kExitBadInput;
}

int CtlSession::Run(const CtlRequest& request) {
    if (request.command == CtlCommand::Help) {
        output = CtlUsage();
        return kExitDone;
    }
    if (request.command == CtlCommand::Version) {
        output = L"OrvaneCtl " ORVANE_VERSION L"\n";
        return kExitDone;
    }
    if (ChangesSomething(request.command) && ::FindWindowW(nullptr, TOOL_WINDOW_TITLE)) {
        error = L"the Orvane window is open: close it first (its edits and this change would overwrite each "
                L"other); list, show, macros and export work meanwhile";
        return kExitWindowOpen;
    }
    const std::vector<std::wstring> macroNames = MacroLibrary().ReadMacroList();
    if (request.command == CtlCommand::Macros) {
        output = ProfileReport(WorkingProfiles, macroNames, request.json).Macros();
        return kExitDone;
    }
    ProfileSet staging{};
    LoadProfiles(staging);
    // As the window shows them: a macro button follows its macro by name.
    ResolveMacroButtons(WorkingProfiles);
    const ProfileReport report(WorkingProfiles, macroNames, request.json);
    switch (request.command) {
    case CtlCommand::List: output = report.List(); return kExitDone;
    case CtlCommand::Show: output = report.Show(request.profile < 0 ? WorkingProfiles.GroupID : request.profile); return kExitDone;
    case CtlCommand::Export: return Export(request);
    default: return Change(request);
    }
}

int CtlSession::Change(const CtlRequest& request) {
    int status = kExitDone;
    switch (request.command) {
    case CtlCommand::Switch:
        WorkingProfiles.GroupID = request.profile;
        output = ProfileText(request.profile) + L" is the active profile\n";
        break;
    case CtlCommand::Set:
        status = SetValue(request, WorkingProfiles.Profiles[static_cast<size_t>(request.profile)]);
        break;
    case CtlCommand::Import:
        status = Import(request, WorkingProfiles.Profiles[static_cast<size_t>(request.profile)]);
        break;
    case CtlCommand::Reset:
        if (request.profile >= 0) {
            ResetProfile(WorkingProfiles, request.profile);
            output = ProfileText(request.profile) + L" has its factory settings\n";
        } else {
            for (int profile = 0; profile < kProfileCount; ++profile) ResetProfile(WorkingProfiles, profile);
            WorkingProfiles.GroupID = 0;
            output = L"all five profiles have their factory settings; profile 1 is the active one\n";
        }
        break;
    default:
        break;
    }
    return status == kExitDone ? SaveAndApply() : status;
}

int CtlSession::SetValue(const CtlRequest& request, ProfileRecord& record) {
    switch (request.setting) {
    case CtlSetting::Polling: record.PollingRate = request.value; break;
    case CtlSetting::Acceleration: record.Acceleration = request.value; break;
    case CtlSetting::Sensitivity: record.MouseSensitivity = request.value; break;
    case CtlSetting::ScrollLines: record.WheelScrollLines = request.value; break;
    case CtlSetting::DoubleClick: record.DoubleClickSpeed = request.value; break;
    case CtlSetting::Colour: record.LedColor1 = request.value; break;
    case CtlSetting::StageDpi:
    case CtlSetting::StageEnabled:
    case CtlSetting::StageLinked:
        if (int status = SetStage(request, record); status != kExitDone) return status;
        break;
    case CtlSetting::Button:
        if (int status = SetButton(request, record); status != kExitDone) return status;
        break;
    default:
        if (int status = SetLighting(request, record); status != kExitDone) return status;
        break;
    }
    output = ProfileText(request.profile) + L" changed\n";
    return kExitDone;
}

int CtlSession::SetStage(const CtlRequest& request, ProfileRecord& record) {
    DpiStage& stage = record.DPIStageValue[static_cast<size_t>(request.stage)];
    const std::wstring name = L"stage " + std::to_wstring(request.stage + 1);
    switch (request.setting) {
    case CtlSetting::StageDpi:
        if (stage.Linked && request.axis != StageAxis::XY) {
            return Refuse(name + L" is linked, so X and Y move together: set xy, or first 'stage " +
                          std::to_wstring(request.stage + 1) + L" unlinked'");
        }
        if (request.axis != StageAxis::Y) stage.X = request.value;
        if (request.axis != StageAxis::X) stage.Y = request.value;
        break;
    case CtlSetting::StageEnabled: {
        const int disabled = static_cast<int>(std::count_if(record.DPIStageValue.begin(), record.DPIStageValue.end(),
                                                            [](const DpiStage& s) { return s.Enabled == 0; }));
        if (request.value == 0 && stage.Enabled != 0 && !SettingsValues::MayDisableStage(disabled)) {
            return Refuse(name + L" is the only stage on, and one stage always stays in the cycle: turn another on first");
        }
        stage.Enabled = request.value;
        break;
    }
    default:
        // As the link toggle: either way Y takes X's value.
        stage.Linked = request.value;
        stage.Y = stage.X;
        break;
    }
    return kExitDone;
}

int CtlSession::SetLighting(const CtlRequest& request, ProfileRecord& record) {
    const SettingsValues::LedModeGroups groups = SettingsValues::GroupsForLedMode(record.LedMode1);
    NamedValues names = NamedValues::LightingModes();
    std::int32_t* field = &record.LedMode1;
    const wchar_t* what = L"lighting mode";
    switch (request.setting) {
    case CtlSetting::Brightness:
        names = NamedValues::Brightness();
        field = &record.LedState1;
        what = L"brightness";
        break;
    case CtlSetting::Speed:
        if (!groups.breathing && !groups.flashing) {
            return Refuse(L"speed belongs to the lighting modes " + NamedValues::LightingModes().NameOf(1) + L" and " +
                          NamedValues::LightingModes().NameOf(2) + L": set the lighting mode first");
        }
        names = groups.breathing ? NamedValues::BreathingSpeeds() : NamedValues::FlashingSpeeds();
        field = groups.breathing ? &record.BreathState1 : &record.FlashState1;
        what = L"speed";
        break;
    case CtlSetting::Direction:
        if (!groups.flashing) {
            return Refuse(L"direction belongs to the lighting mode " + NamedValues::LightingModes().NameOf(2) +
                          L": set the lighting mode first");
        }
        names = NamedValues::Directions();
        field = &record.LedDirect1;
        what = L"direction";
        break;
    default:
        break;
    }
    int value = 0;
    if (!names.Find(request.text, value)) {
        return Refuse(std::wstring(L"unknown ") + what + L" '" + request.text + L"': " + names.Accepted() +
                      L" is accepted");
    }
    *field = value;
    return kExitDone;
}

int CtlSession::SetButton(const CtlRequest& request, ProfileRecord& record) {
    const int b = request.button;
    const FunctionRequest& function = request.function;
    const std::vector<std::wstring> macroNames = MacroLibrary().ReadMacroList();
    MenuChoice choice{FUNC_SINGLE_KEY, 0};
    switch (function.kind) {
    case FunctionKind::Named: {
        const NamedValues functions = NamedValues::MenuFunctions();
        int pick = 0;
        if (!functions.Find(function.text, pick)) {
            return Refuse(L"unknown function '" + function.text + L"': " + functions.Accepted() +
                          L", or key NAME, keys NAME+NAME, macro NAME, fire KEY COUNT SPEED is accepted");
        }
        choice = DecodeMenuChoice(pick);
        break;
    }
    case FunctionKind::Key: break;
    case FunctionKind::Combination: choice.code = FUNC_KEY_COMBINATION; break;
    case FunctionKind::Fire: choice.code = FUNC_FIRE_KEY; break;
    case FunctionKind::Macro: {
        const auto found = std::find(macroNames.begin(), macroNames.end(), function.text);
        if (found == macroNames.end()) {
            return Refuse(L"no macro '" + function.text + L"' in the macro library: " +
                          (macroNames.empty() ? std::wstring(L"it holds none") : L"one of 'macros' is accepted"));
        }
        choice = MenuChoice{FUNC_MACRO, static_cast<int>(found - macroNames.begin())};
        break;
    }
    }
    std::uint8_t fireKey = 0;
    if (function.kind == FunctionKind::Fire) {
        int mouseButton = 0;
        if (NamedValues::FireButtons().Find(function.text, mouseButton)) {
            fireKey = static_cast<std::uint8_t>(mouseButton);
        } else if (!HidFromKeyName(function.text, fireKey)) {
            return Refuse(L"unknown fire key '" + function.text + L"': " + NamedValues::FireButtons().Accepted() +
                          L" or a key name is accepted");
        }
    }
    KeyCapture combination(false);
    if (function.kind == FunctionKind::Combination) PressKeys(combination, function.keys);
    if (function.kind == FunctionKind::Combination && combination.keyCount != static_cast<int>(function.keys.size())) {
        return Refuse(L"bad combination '" + function.text +
                      L"': each key once, up to four of Shift, Ctrl, Win, Alt (the left-hand keys) and one other key");
    }
    ButtonAssignment& button = record.Buttons[static_cast<size_t>(b)];
    switch (ApplyFunctionChoice(record, b, choice, macroNames)) {
    case ChoiceStep::RefusedPrimary:
        return Refuse(L"button " + std::to_wstring(b + 1) +
                      L" is the only one on Left click, and one button always keeps it: give another button Left click first");
    case ChoiceStep::AskSingleKey: StoreSingleKey(button, b, function.keys.front()); break;
    case ChoiceStep::AskKeyCombination:
        StoreKeyCombination(button, b, combination.keyCount, combination.singleKeyHid, combination.KeyData);
        break;
    case ChoiceStep::AskFireKey: StoreFireKey(button, b, fireKey, function.count, function.speed); break;
    default: break;
    }
    return kExitDone;
}

int CtlSession::Export(const CtlRequest& request) {
    const std::wstring path = FullPath(request.path);
    if (!path.empty() && IsProtectedDataFile(path)) {
        return Refuse(L"'" + request.path +
                      L"' is one of the tool's own files (a profile file or in MacroDB): another file is accepted");
    }
    // The file is written whole through a copy, so a failed export leaves nothing behind.
    if (path.empty() || !ExportProfile(WorkingProfiles.Profiles[static_cast<size_t>(request.profile)], path)) {
        return Refuse(L"cannot write '" + request.path +
                      L"': the path of a file that may be written, in an existing folder, is accepted");
    }
    output = ProfileText(request.profile) + L" exported to " + path + L"\n";
    return kExitDone;
}

int CtlSession::Import(const CtlRequest& request, ProfileRecord& record) {
    const std::wstring path = FullPath(request.path);
    if (path.empty() || !CanOpen(path, GENERIC_READ, OPEN_EXISTING)) {
        return Refuse(L"cannot read '" + request.path + L"': the path of an existing .pfd file is accepted");
    }
    ImportProfile(path, record);
    // A damaged or foreign file must not reach the device with unset or out-of-range values,
    // nor with a macro button on a slot that holds another macro here.
    RepairProfile(record, request.profile);
    ResolveMacroButtons(WorkingProfiles);
    output = ProfileText(request.profile) + L" imported from " + path + L"\n";
    return kExitDone;
}

int CtlSession::SaveAndApply() {
    HWND service = FindServiceWindow();
    if (!ProfileFilesWritable() || !SaveWhileServiceReads()) {
        // As the window after a failed save: the service is not told to apply files half written.
        output.clear();
        error = L"the profile files in " + std::wstring(DataFolder) +
                L" could not all be written (read-only, in use, or the disk full?); the mouse was not told";
        return kExitNotWritten;
    }
    if (!service) {
        output += L"saved; no device service runs, so the mouse gets the settings when it starts\n";
        return kExitDone;
    }
    switch (SendToService(service, WM_SERVICE_APPLY, 0, 0)) {
    case ServiceReply::Answered: output += L"saved and applied\n"; break;
    case ServiceReply::Missing: output += L"saved; the device service did not answer\n"; break;
    case ServiceReply::Refused:
        output += L"saved; the device service runs with higher rights and refuses this program's messages\n";
        break;
    }
    return kExitDone;
}

std::wstring CtlUsage() {
    return L"OrvaneCtl: the Orvane mouse's profiles from the command line\n"
           L"\n"
           L"  OrvaneCtl list [--json]              the five profiles, the active one marked *\n"
           L"  OrvaneCtl show [N] [--json]          one profile (default: the active one)\n"
           L"  OrvaneCtl switch N                   makes profile N the active one\n"
           L"  OrvaneCtl set N SETTING VALUE        one setting of profile N:\n"
           L"      polling 125|250|500|1000\n"
           L"      stage K x|y|xy DPI               DPI 200 to 8000 in steps of 100\n"
           L"      stage K on|off|linked|unlinked\n"
           L"      acceleration 1-4, sensitivity 1-20, scroll-lines 1-63, double-click 1-10\n"
           L"      lighting Steady|Breathing|Flashing|Reactive|Off|Running, colour RRGGBB\n"
           L"      brightness Low|Medium|High, speed Slow|Medium|Fast, direction Forward|Reverse\n"
           L"      button B FUNCTION                B 1-8; FUNCTION a function's name (\"Right click\",\n"
           L"                                       \"DPI up\"...), key NAME, keys NAME+NAME, macro NAME\n"
           L"                                       or fire Left|Right|Middle|KEY COUNT SPEED\n"
           L"  OrvaneCtl export N FILE              writes profile N to FILE\n"
           L"  OrvaneCtl import N FILE              reads FILE into profile N, repaired\n"
           L"  OrvaneCtl reset N|all                factory settings\n"
           L"  OrvaneCtl macros [--json]            the macro library\n"
           L"  OrvaneCtl --help | --version\n"
           L"\n"
           L"Every change saves the five profile files and applies them. Exit status: 0 done, 1 files not\n"
           L"written, 2 bad input (nothing written), 3 a change while the Orvane window is open.\n";
}
