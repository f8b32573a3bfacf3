#include "bench/ProgramStart.h"

#include "bench/ResourceCounts.h"
#include "bench/Stopwatch.h"

#include <vector>

namespace {
BOOL CALLBACK CollectChild(HWND child, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> children;
    ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool PaintPending(HWND window) {
    if (::GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child : Descendants(window)) {
        if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

// Painted when nothing waits for a paint before and after a round trip through the program's
// message loop: a paint under way when the first look was taken has ended by the second.
bool CompletelyPainted(HWND window) {
    if (!::IsWindowVisible(window) || PaintPending(window)) return false;
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored)) return false;
    return !PaintPending(window);
}

class ProcessHandles {
public:
    ProcessHandles() = default;
    ~ProcessHandles() {
        if (info.hThread) ::CloseHandle(info.hThread);
        if (info.hProcess) ::CloseHandle(info.hProcess);
    }
    ProcessHandles(const ProcessHandles&) = delete;
    ProcessHandles& operator=(const ProcessHandles&) = delete;
    PROCESS_INFORMATION info{};
};
}  // namespace

ProgramStart::ProgramStart(std::wstring commandLine, std::wstring title)
    : commandLine(std::move(commandLine)), title(std::move(title)) {}

StartResult ProgramStart::Run(DWORD limitMilliseconds) const {
    StartResult result;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ProcessHandles process;
    Stopwatch clock;
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process.info)) {
        return result;
    }
    while (clock.Milliseconds() < limitMilliseconds) {
        HWND window = ::FindWindowW(nullptr, title.c_str());
        if (window && CompletelyPainted(window)) {
            result.milliseconds = clock.Milliseconds();
            result.painted = true;
            result.privateMegabytes = PrivateMegabytes(process.info.hProcess);
            result.childWindows = static_cast<int>(Descendants(window).size());
            break;
        }
        if (::WaitForSingleObject(process.info.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    ::TerminateProcess(process.info.hProcess, 0);
    ::WaitForSingleObject(process.info.hProcess, 10000);
    return result;
}

double ProgramStart::RunToExit(DWORD limitMilliseconds) const {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
    HANDLE nul = ::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                               OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    ProcessHandles process;
    Stopwatch clock;
    const BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                          &process.info);
    double milliseconds = -1;
    DWORD exitCode = 1;
    if (started && ::WaitForSingleObject(process.info.hProcess, limitMilliseconds) == WAIT_OBJECT_0) {
        if (::GetExitCodeProcess(process.info.hProcess, &exitCode) && exitCode == 0) milliseconds = clock.Milliseconds();
    } else if (started) {
        ::TerminateProcess(process.info.hProcess, 0);
        ::WaitForSingleObject(process.info.hProcess, 10000);
    }
    if (nul != INVALID_HANDLE_VALUE) ::CloseHandle(nul);
    return milliseconds;
}
