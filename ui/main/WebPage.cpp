#include "ui/main/WebPage.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {
// The default value of a key below HKEY_CLASSES_ROOT; false when the key cannot be opened.
bool ReadClassesRootDefault(const std::wstring& subKey, std::wstring& value) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    wchar_t buffer[MAX_PATH] = L"";
    DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        buffer[std::min<size_t>(bytes / sizeof(wchar_t), MAX_PATH - 1)] = L'\0';
        value = buffer;
    }
    ::RegCloseKey(key);
    return true;
}

bool IsExistingFile(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

std::wstring ApplicationOfCommand(std::wstring command, const std::function<bool(const std::wstring&)>& isFile) {
    command.erase(std::remove(command.begin(), command.end(), L'"'), command.end());
    size_t first = 0;
    while (first < command.size() && std::iswspace(command[first])) ++first;
    size_t last = command.size();
    while (last > first && std::iswspace(command[last - 1])) --last;
    command = command.substr(first, last - first);
    for (size_t space = command.find(L' '); space != std::wstring::npos; space = command.find(L' ', space + 1)) {
        std::wstring candidate = command.substr(0, space);
        if (isFile(candidate)) return candidate;
    }
    return command;
}

int OpenWebPage(const std::wstring& address) {
    std::wstring typeName;
    if (!ReadClassesRootDefault(L".htm", typeName)) return -1;
    std::wstring command;
    ReadClassesRootDefault(typeName + L"\\shell\\open\\command", command);
    std::wstring application = ApplicationOfCommand(command, IsExistingFile);
    if (application.empty()) return -1;

    std::wstring commandLine = application + L" " + address;
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}
