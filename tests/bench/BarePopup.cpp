// The baseline of the start-up figure: a bare Win32 program that creates a 1004 x 680 popup window
// with as many plain child buttons as its first argument asks for, and paints it. Like the tool,
// it is aware of the display scale and lays itself out at it: at 192 DPI the window and its
// buttons are twice the size. It runs until it is closed or ended.
#include <windows.h>

#include <cwchar>

namespace {
constexpr int kWidth = 1004;
constexpr int kHeight = 680;
constexpr int kMaxButtons = 1000;
constexpr int kBaseDpi = 96;

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    int buttons = static_cast<int>(std::wcstol(arguments, nullptr, 10));
    if (buttons < 0 || buttons > kMaxButtons) buttons = 0;
    ::SetProcessDPIAware();
    const int dpi = ScreenDpi();
    auto scaled = [dpi](int value) { return ::MulDiv(value, dpi, kBaseDpi); };

    WNDCLASSW popupClass{};
    popupClass.lpfnWndProc = PopupProc;
    popupClass.hInstance = instance;
    popupClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    popupClass.lpszClassName = L"BarePopup";
    if (!::RegisterClassW(&popupClass)) return 1;
    HWND popup = ::CreateWindowExW(0, L"BarePopup", L"Bare popup", WS_POPUP | WS_CLIPCHILDREN, 0, 0, scaled(kWidth),
                                   scaled(kHeight), nullptr, nullptr, instance, nullptr);
    if (!popup) return 1;
    // A grid of small buttons over the whole window, as many as the tool has child windows.
    for (int i = 0; i < buttons; ++i) {
        const int x = (i % 20) * 50;
        const int y = (i / 20) * 22 % kHeight;
        ::CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, scaled(x), scaled(y), scaled(48),
                          scaled(20), popup, nullptr, instance, nullptr);
    }
    ::ShowWindow(popup, SW_SHOWNORMAL);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
