#include "companions/SimulatorLog.h"

#include "framework/Messages.h"

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>

namespace {
struct MessageName {
    UINT message;
    const wchar_t* name;
};

const MessageName kMessageNames[] = {
    {WM_DEVICE_PRESENCE, L"WM_DEVICE_PRESENCE"},
    {WM_DEVICE_SETTING, L"WM_DEVICE_SETTING"},
    {WM_SERVICE_APPLY, L"WM_SERVICE_APPLY"},
    {WM_SERVICE_MACRO_CHANGED, L"WM_SERVICE_MACRO_CHANGED"},
    {WM_SERVICE_MACRO_BUTTON, L"WM_SERVICE_MACRO_BUTTON"},
};

std::wstring NameOf(UINT message) {
    for (const MessageName& entry : kMessageNames) {
        if (entry.message == message) return entry.name;
    }
    return L"message " + std::to_wstring(message);
}
}  // namespace

void SimulatorLog::Write(const std::wstring& text) const {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    wchar_t time[16];
    std::swprintf(time, 16, L"%02u:%02u:%02u.%03u ", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    const std::wstring line = time + text + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size, nullptr,
                          nullptr);
    std::unique_ptr<FILE, decltype(&std::fclose)> file(_wfopen(path.c_str(), L"ab"), &std::fclose);
    if (file) std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

void SimulatorLog::WriteMessage(const wchar_t* event, UINT message, WPARAM wParam, LPARAM lParam,
                                const std::wstring& note) const {
    std::wstring text = std::wstring(event) + L" " + NameOf(message) + L" " +
                        std::to_wstring(static_cast<long long>(wParam)) + L" " + std::to_wstring(lParam);
    if (!note.empty()) text += L" " + note;
    Write(text);
}
