#include "support/WindowTestSupport.h"

#include <cwchar>

namespace {
const wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

void WritePersonal(DWORD type, const wchar_t* value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Personal", type, value,
                      static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t)));
}
}  // namespace

void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

DocumentsRedirect::DocumentsRedirect(const std::wstring& folder) {
    DWORD size = sizeof(saved);
    hadValue = ::RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Personal",
                              RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &savedType, saved,
                              &size) == ERROR_SUCCESS;
    WritePersonal(REG_SZ, folder.substr(0, folder.size() - 1).c_str());
}

DocumentsRedirect::~DocumentsRedirect() {
    if (hadValue) {
        WritePersonal(savedType, saved);
    } else {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Personal");
    }
}
