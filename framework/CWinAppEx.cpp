#include "framework/CWinAppEx.h"

namespace {
CWinAppEx* application = nullptr;
}

CWinAppEx::CWinAppEx() { application = this; }

CWinAppEx::~CWinAppEx() {
    if (application == this) application = nullptr;
}

CWinAppEx* CWinAppEx::GetApp() { return application; }

int CWinAppEx::Run() {
    if (InitInstance()) {
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return ExitInstance();
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CWinAppEx* app = CWinAppEx::GetApp();
    return app ? app->Run() : 1;
}
