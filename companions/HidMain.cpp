// hid.exe, the device simulator: stands in for the mouse's device service so that the tool can be
// used and tested without a mouse. Started without arguments it runs, once per session, as the
// hidden window "Orvane_GamingMouse_HID" (DeviceSimulator). Started with a command it hands the
// command to the running simulator and ends:
//
//   hid.exe present | absent          the mouse is plugged in or unplugged
//   hid.exe setting <id> <value>      tell the tool a device setting (WM_DEVICE_SETTING)
//   hid.exe set <profile> <key> <n>   write n under key in section GROUP of RSProfile<profile>.pfd,
//                                     then ask the tool to reload
//   hid.exe dpi                       press the DPI button: the next enabled stage of the active profile
//   hid.exe profile <profile>         switch the active profile (1 to 5)
//   hid.exe quit                      end the simulator
//   hid.exe ignore-applies            take applies from now on without confirming them
//   hid.exe hang <seconds>            stop answering messages for 1 to 600 seconds
//   hid.exe die-on-apply              end without an answer when the next apply arrives
//
// Exit codes: 0 done, 1 no simulator running, 2 not a command. Everything the simulator receives
// and sends is logged to "hid-simulator.log" in the data folder.
#include "companions/DeviceSimulator.h"
#include "companions/SimulatorCommand.h"
#include "device/DeviceService.h"
#include "framework/Folders.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {
const wchar_t kInstanceMutex[] = L"Orvane_GamingMouse_HID_Instance";

using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, decltype(&::CloseHandle)>;

std::vector<std::wstring> CommandWords() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> words;
    for (int i = 1; arguments && i < count; ++i) words.emplace_back(arguments[i]);
    ::LocalFree(arguments);
    return words;
}

int SendCommand(const std::vector<std::wstring>& words) {
    if (!SimulatorCommand::Parse(words)) return 2;
    std::wstring text;
    for (const std::wstring& word : words) text += (text.empty() ? L"" : L" ") + word;
    if (text.size() > DeviceSimulator::kMaxCommandChars) return 2;
    COPYDATASTRUCT data{DeviceSimulator::kCommandTag, static_cast<DWORD>(text.size() * sizeof(wchar_t)), text.data()};
    return SendToService(FindServiceWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == ServiceReply::Answered
               ? 0
               : 1;
}

int RunSimulator() {
    UniqueHandle instance(::CreateMutexW(nullptr, FALSE, kInstanceMutex), &::CloseHandle);
    if (!instance) return 1;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) return 0;
    DeviceSimulator simulator;
    if (!simulator.Start()) return 1;
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    InitFolders();
    const std::vector<std::wstring> words = CommandWords();
    return words.empty() ? RunSimulator() : SendCommand(words);
}
