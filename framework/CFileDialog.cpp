#include "framework/CFileDialog.h"

#include <commdlg.h>
#include <string>
#include <vector>

namespace {
using FileNameDialog = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The common dialog library is loaded from the system folder when the first file dialog opens,
// not at every start of the program: under Wine it costs about 30 ms and 1 MB, which a session
// without an import or export never needs. It stays loaded for the rest of the process, with the
// one reference its first load took.
HMODULE CommonDialogLibrary() {
    if (HMODULE loaded = ::GetModuleHandleW(L"comdlg32.dll")) return loaded;
    wchar_t system[MAX_PATH] = L"";
    const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return ::LoadLibraryW((std::wstring(system) + L"\\comdlg32.dll").c_str());
}

FileNameDialog DialogFunction(bool openDialog) {
    HMODULE library = CommonDialogLibrary();
    if (!library) return nullptr;
    return reinterpret_cast<FileNameDialog>(reinterpret_cast<void*>(
        ::GetProcAddress(library, openDialog ? "GetOpenFileNameW" : "GetSaveFileNameW")));
}
}  // namespace

CFileDialog::CFileDialog(bool openDialog, LPCWSTR defaultExtension, LPCWSTR fileName, DWORD flags,
                         LPCWSTR filter, CWnd* parent)
    : openDialog(openDialog),
      defaultExtension(defaultExtension ? defaultExtension : L""),
      filter(ConvertFilter(filter)),
      path(fileName ? fileName : L""),
      flags(flags),
      owner(parent ? parent->m_hWnd : nullptr) {}

std::wstring CFileDialog::ConvertFilter(LPCWSTR filter) {
    std::wstring converted = filter ? filter : L"";
    for (wchar_t& c : converted) {
        if (c == L'|') c = L'\0';
    }
    converted.push_back(L'\0');
    return converted;
}

INT_PTR CFileDialog::DoModal() {
    std::vector<wchar_t> buffer(MAX_PATH * 4, L'\0');
    path.copy(buffer.data(), buffer.size() - 1);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    // The extension is given with or without its dot; the system wants it without.
    std::wstring extension = defaultExtension;
    if (!extension.empty() && extension[0] == L'.') extension.erase(0, 1);
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;

    const FileNameDialog run = DialogFunction(openDialog);
    if (!run || !run(&dialog)) return IDCANCEL;
    path = buffer.data();
    return IDOK;
}
