// The application object: single instance, graphics start-up, the modal main window.
#pragma once
#include "framework/CWinAppEx.h"
#include "skin/GdiplusSession.h"

#include <optional>

// Held while the tool runs: a second start finds it and ends at once.
constexpr wchar_t kInstanceMutexName[] = L"MOX_GAMING_MOUSE_CONFIG_MUTEX";

class CMoxCfgApp : public CWinAppEx {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    HANDLE instanceMutex = nullptr;
    std::optional<GdiplusSession> gdiplus;
};
