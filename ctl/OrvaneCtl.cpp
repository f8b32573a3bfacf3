// OrvaneCtl.exe, the console program beside the tool: reads its arguments, runs them against
// the tool's files and prints the outcome. Output goes out as UTF-16 to a console and as UTF-8
// to a pipe or file, so that scripts read what people see.
#include "ctl/CtlRequest.h"
#include "ctl/CtlSession.h"
#include "framework/Folders.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {
void Write(DWORD handleId, const std::wstring& text) {
    if (text.empty()) return;
    HANDLE handle = ::GetStdHandle(handleId);
    DWORD mode = 0, written = 0;
    if (::GetConsoleMode(handle, &mode)) {
        ::WriteConsoleW(handle, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                            nullptr, nullptr);
    if (bytes <= 0) return;
    std::string utf8(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr,
                          nullptr);
    ::WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    const ParsedRequest parsed = ParseCtlArguments(arguments);
    if (!parsed.ok) {
        Write(STD_ERROR_HANDLE, L"OrvaneCtl: " + parsed.error + L" (see OrvaneCtl --help)\n");
        return kExitBadInput;
    }
    InitFolders();
    CtlSession session;
    const int status = session.Run(parsed.request);
    Write(STD_OUTPUT_HANDLE, session.output);
    if (!session.error.empty()) Write(STD_ERROR_HANDLE, L"OrvaneCtl: " + session.error + L"\n");
    return status;
}
