// The system's open or save file dialog.
#pragma once
#include "framework/CWnd.h"

#include <string>

class CFileDialog {
public:
    // `filter` uses '|' between description and pattern and after the last pattern,
    // for example "pfd(*.pfd)|*.pfd|".
    CFileDialog(bool openDialog, LPCWSTR defaultExtension, LPCWSTR fileName, DWORD flags, LPCWSTR filter,
                CWnd* parent);
    void SetInitialFolder(LPCWSTR folder) { initialFolder = folder ? folder : L""; }
    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    std::wstring GetPathName() const { return path; }

    // The filter with its separators turned into the NUL characters the system expects.
    static std::wstring ConvertFilter(LPCWSTR filter);

private:
    bool openDialog;
    std::wstring defaultExtension;
    std::wstring filter;
    std::wstring initialFolder;
    std::wstring path;
    DWORD flags;
    HWND owner;
};
