#include "ui/main/CMoxCfgDlg.h"

#include "app/Folders.h"
#include "app/res/resource.h"

namespace {
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 400;
constexpr COLORREF kBackground = RGB(0x1F, 0x1F, 0x1F);
}

CMoxCfgDlg::CMoxCfgDlg() : CDialog(IDD_MAIN_WINDOW) {
    appIcon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

CMoxCfgDlg::~CMoxCfgDlg() = default;

LRESULT CMoxCfgDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (Default(message, wParam, lParam) == -1) return -1;
        return OnCreate();
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(appIcon);
    case WM_LBUTTONDOWN:
        // OnLButtonDown(int x, int y)
        OnLButtonDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

int CMoxCfgDlg::OnCreate() {
    InitFolders();
    MoveWindow(0, 0, kWindowWidth, kWindowHeight, FALSE);
    return 0;
}

BOOL CMoxCfgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon));
    SetWindowText(L"Orvane");
    return TRUE;
}

BOOL CMoxCfgDlg::PreTranslateMessage(MSG* message) {
    // Neither Escape nor Enter may close the main window.
    if (message->message == WM_KEYDOWN && (message->wParam == VK_ESCAPE || message->wParam == VK_RETURN)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}

void CMoxCfgDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client = GetClientRect();
    HBRUSH background = ::CreateSolidBrush(kBackground);
    ::FillRect(dc, &client, background);
    ::DeleteObject(background);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
    ::DrawTextW(dc, L"Orvane", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::EndPaint(m_hWnd, &paint);
}

void CMoxCfgDlg::OnLButtonDown(int x, int y) {
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(x, y));
}
