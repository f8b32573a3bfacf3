// The application object: single instance, graphics start-up, the modal main window.
#pragma once
#include "framework/CWinAppEx.h"

class CMoxCfgApp : public CWinAppEx {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    HANDLE instanceMutex = nullptr;
    ULONG_PTR gdiplusToken = 0;
};
