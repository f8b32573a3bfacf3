#include "framework/Folders.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <cwchar>
#include <string>

wchar_t AppDirectory[kFolderChars];
wchar_t DataFolder[kFolderChars];

namespace {
void DirectoryOf(const wchar_t* modulePath, wchar_t* directory) {
    wchar_t drive[_MAX_DRIVE] = L"";
    wchar_t folder[_MAX_DIR] = L"";
    directory[0] = L'\0';
    if (_wsplitpath_s(modulePath, drive, _MAX_DRIVE, folder, _MAX_DIR, nullptr, 0, nullptr, 0) != 0) return;
    if (_snwprintf(directory, kFolderChars, L"%ls%ls", drive, folder) < 0) directory[kFolderChars - 1] = L'\0';
}
}

void BuildFolders(const wchar_t* modulePath, const wchar_t* documentsFolder, wchar_t* appDirectory,
                  wchar_t* dataFolder) {
    DirectoryOf(modulePath ? modulePath : L"", appDirectory);
    int written = -1;
    if (documentsFolder) {
        written = _snwprintf(dataFolder, kFolderChars, L"%ls\\Orvane\\", documentsFolder);
    }
    if (written < 0 || static_cast<size_t>(written) >= kFolderChars) {
        wcscpy_s(dataFolder, kFolderChars, appDirectory);
    }
}

void InitFolders() {
    wchar_t modulePath[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    wchar_t documents[MAX_PATH] = L"";
    bool haveDocuments =
        SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, 0, documents));
    BuildFolders(modulePath, haveDocuments ? documents : nullptr, AppDirectory, DataFolder);
}

void CreateDataFolders() {
    const std::wstring data(DataFolder, wcsnlen(DataFolder, kFolderChars));
    if (data.empty()) return;
    ::CreateDirectoryW(data.c_str(), nullptr);
    ::CreateDirectoryW((data + L"MacroDB").c_str(), nullptr);
}
