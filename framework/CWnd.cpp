#include "framework/CWnd.h"

#include "framework/WindowPlacement.h"

#include <cstdio>
#include <exception>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

namespace {
// One user-interface thread creates all windows, so one pending slot suffices.
CWnd* pendingWindow = nullptr;
CWnd* creatingWindow = nullptr;

// The objects attached to windows, looked up for every message. The thread's own memory: a
// window property would cost a request to the window server each time.
std::unordered_map<HWND, CWnd*>& AttachedObjects() {
    static std::unordered_map<HWND, CWnd*> objects;
    return objects;
}

void TraceCaughtException(UINT message, const char* what) {
    wchar_t whatText[400] = L"";
    if (what) ::MultiByteToWideChar(CP_ACP, 0, what, -1, whatText, static_cast<int>(std::size(whatText)) - 1);
    wchar_t number[16];
    std::swprintf(number, std::size(number), L"0x%04X", message);
    const std::wstring text = std::wstring(L"CWnd: message ") + number + L" ended in an exception: " + whatText + L"\n";
    ::OutputDebugStringW(text.c_str());
}
}

WindowCreationHook::WindowCreationHook(CWnd* window)
    : previousCreating(creatingWindow) {
    pendingWindow = window;
    creatingWindow = window;
    hook = ::SetWindowsHookExW(WH_CBT, HookProc, nullptr, ::GetCurrentThreadId());
}

WindowCreationHook::~WindowCreationHook() {
    if (hook) ::UnhookWindowsHookEx(hook);
    pendingWindow = nullptr;
    creatingWindow = previousCreating;
}

CWnd* WindowCreationHook::Creating() { return creatingWindow; }

LRESULT CALLBACK WindowCreationHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && pendingWindow) {
        CWnd* window = pendingWindow;
        pendingWindow = nullptr;
        window->Attach(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

CWnd::~CWnd() {
    DestroyInDestructor();
    Detach();
}

void CWnd::DestroyInDestructor() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    const auto found = AttachedObjects().find(hwnd);
    return found == AttachedObjects().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    AttachedObjects()[hwnd] = this;
    superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
}

void CWnd::Detach() {
    if (!m_hWnd) return;
    if (superProc && ::IsWindow(m_hWnd)) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc));
    const auto found = AttachedObjects().find(m_hWnd);
    if (found != AttachedObjects().end() && found->second == this) AttachedObjects().erase(found);
    m_hWnd = nullptr;
    superProc = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id) {
    WindowCreationHook hook(this);
    HWND hwnd = ::CreateWindowExW(exStyle, className, text, style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top,
                                  parent ? parent->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    return hwnd != nullptr;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandle(hwnd)) return FALSE;
    Attach(hwnd);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

std::wstring CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::CenterWindow(HWND alternateOwner) const {
    HWND owner = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    const bool overOwner = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);
    RECT work{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromWindow(overOwner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        work = monitor.rcWork;
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    }
    RECT area = work;
    if (overOwner) ::GetWindowRect(owner, &area);
    const RECT self = GetWindowRect();
    const POINT corner = CentredInside(SIZE{self.right - self.left, self.bottom - self.top}, area, work);
    ::SetWindowPos(m_hWnd, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProc) return ::CallWindowProcW(superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    LRESULT ignored = 0;
    return lParam && ReflectToChild(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam, &ignored);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    CWnd* object = FromHandle(child);
    return object && object != this && object->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) return 0;
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && ReflectToChild(item->hwndItem, message, wParam, lParam, &result))
            return TRUE;
        break;
    }
    case WM_MEASUREITEM: {
        // Controls here share id 0, so the id cannot name the control: during a control's
        // creation the message belongs to the control being created, otherwise to the id's owner.
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!item || item->CtlType == ODT_MENU) break;
        CWnd* creating = WindowCreationHook::Creating();
        HWND child = creating && creating != this && creating->m_hWnd ? creating->m_hWnd
                                                                        : ::GetDlgItem(m_hWnd, item->CtlID);
        if (ReflectToChild(child, message, wParam, lParam, &result)) return TRUE;
        break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &result)) return result;
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* window = FromHandle(hwnd);
    if (!window) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    // Exceptions never cross the system's window procedure; the message counts as handled, and
    // a debugger is told what was caught.
    try {
        result = window->WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        TraceCaughtException(message, error.what());
        result = 0;
    } catch (...) {
        TraceCaughtException(message, "an exception of unknown type");
        result = 0;
    }
    if (message == WM_NCDESTROY) {
        window->Detach();
        window->PostNcDestroy();
    }
    return result;
}
