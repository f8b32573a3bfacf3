#include "app/CMoxCfgApp.h"

#include "device/DeviceService.h"
#include "ui/main/CMoxCfgDlg.h"

#include <commctrl.h>

#include <memory>

CMoxCfgApp theApp;

namespace {
// The running tool's window, or the dialog it shows, comes to the front, restored when minimised.
void BringRunningToolForward() {
    HWND window = ::FindWindowW(WC_DIALOG, TOOL_WINDOW_TITLE);
    if (!window) return;
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(::GetLastActivePopup(window));
}
}  // namespace

BOOL CMoxCfgApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    instanceMutex = ::CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(instanceMutex);
        instanceMutex = nullptr;
        BringRunningToolForward();
        return FALSE;
    }

    gdiplus.emplace();

    auto mainWindow = std::make_unique<CMoxCfgDlg>();
    m_pMainWnd = mainWindow.get();
    mainWindow->DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CMoxCfgApp::ExitInstance() {
    if (instanceMutex) {
        ::ReleaseMutex(instanceMutex);
        ::CloseHandle(instanceMutex);
        instanceMutex = nullptr;
    }
    gdiplus.reset();
    return 0;
}
