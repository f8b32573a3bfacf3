#include "framework/CFileDialog.h"

#include <commdlg.h>
#include <vector>

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

    BOOL chosen = openDialog ? ::GetOpenFileNameW(&dialog) : ::GetSaveFileNameW(&dialog);
    if (!chosen) return IDCANCEL;
    path = buffer.data();
    return IDOK;
}
