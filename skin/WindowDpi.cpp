#include "skin/WindowDpi.h"

namespace {
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

UINT SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    if (!screen) return DisplayScale::kBaseDpi;
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : DisplayScale::kBaseDpi;
}
}  // namespace

UINT WindowDpi(HWND window) {
    HMODULE user = ::GetModuleHandleW(L"user32.dll");
    // Looked up by name: older systems lack the function, and a missing import would stop the start.
    auto getDpiForWindow = user ? reinterpret_cast<GetDpiForWindowFunction>(
                                      reinterpret_cast<void*>(::GetProcAddress(user, "GetDpiForWindow")))
                                : nullptr;
    if (window && getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi) return dpi;
    }
    return SystemDpi();
}

DisplayScale WindowScale(HWND window) { return DisplayScale(WindowDpi(window)); }
