// The application object: one per process, constructed as a static object; the framework's
// entry point runs InitInstance and then ExitInstance.
#pragma once
#include <windows.h>

class CWnd;

class CWinAppEx {
public:
    CWinAppEx();
    virtual ~CWinAppEx();
    CWinAppEx(const CWinAppEx&) = delete;
    CWinAppEx& operator=(const CWinAppEx&) = delete;

    static CWinAppEx* GetApp();

    // --- override these ---
    // Runs the application; a dialog application returns false once its main dialog has closed.
    virtual BOOL InitInstance() { return TRUE; }
    // Releases what InitInstance acquired; its result is the process exit code.
    virtual int ExitInstance() { return 0; }

    // --- not meant to be overridden ---
    // The entry point's work: InitInstance, a message loop when it returned true, ExitInstance.
    int Run();

    CWnd* m_pMainWnd = nullptr;  // borrowed: owned by InitInstance
};
