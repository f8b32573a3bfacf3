// The application object: single instance, graphics start-up, the modal main window.
#pragma once
#include "framework/CWinAppEx.h"
#include "skin/GdiplusSession.h"

#include <optional>

class CMoxCfgApp : public CWinAppEx {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    HANDLE instanceMutex = nullptr;
    std::optional<GdiplusSession> gdiplus;
};
