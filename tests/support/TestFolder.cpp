#include "support/TestFolder.h"

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>

TestFolder::TestFolder() {
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        wchar_t name[MAX_PATH];
        swprintf(name, MAX_PATH, L"%lsorvane-test-%lu-%u\\", temp, ::GetCurrentProcessId(), ++counter);
        if (::CreateDirectoryW(name, nullptr)) {
            path = name;
            return;
        }
    }
}

TestFolder::~TestFolder() {
    // SHFileOperation wants a double-terminated list and no trailing backslash.
    std::wstring from = path.substr(0, path.size() - 1);
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}

std::string TestFolder::ReadBytes(const std::wstring& file) {
    std::ifstream in(file.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TestFolder::WriteBytes(const std::wstring& file, const std::string& bytes) {
    std::ofstream out(file.c_str(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::wstring> TestFolder::FileNames() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(File(L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}
