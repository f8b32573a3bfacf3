#include "app/CMoxCfgApp.h"

#include "ui/main/CMoxCfgDlg.h"

#include <commctrl.h>

#include <memory>

CMoxCfgApp theApp;

BOOL CMoxCfgApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    instanceMutex = ::CreateMutexW(nullptr, FALSE, L"MOX_GAMING_MOUSE_CONFIG_MUTEX");
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(instanceMutex);
        instanceMutex = nullptr;
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
