#include "bench/SimulatorSession.h"

#include <windows.h>

#include <vector>

namespace {
constexpr wchar_t kServiceTitle[] = L"Orvane_GamingMouse_HID";
constexpr DWORD kStartLimitMilliseconds = 20000;

// Runs `directory`hid.exe with `arguments`; waits at most `waitMilliseconds` for it to end.
void RunSimulator(const std::wstring& directory, const std::wstring& arguments, DWORD waitMilliseconds) {
    std::wstring command = L"\"" + directory + L"hid.exe\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return;
    ::WaitForSingleObject(process.hProcess, waitMilliseconds);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}
}  // namespace

SimulatorSession::SimulatorSession(std::wstring directory) : directory(std::move(directory)) {
    if (Running()) return;
    RunSimulator(this->directory, L"", 0);
    const DWORD start = ::GetTickCount();
    while (!Running() && ::GetTickCount() - start < kStartLimitMilliseconds) ::Sleep(50);
}

SimulatorSession::~SimulatorSession() {
    if (Running()) RunSimulator(directory, L"quit", kStartLimitMilliseconds);
}

bool SimulatorSession::Running() const { return ::FindWindowW(nullptr, kServiceTitle) != nullptr; }
