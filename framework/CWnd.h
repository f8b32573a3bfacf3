// Thin object wrapper around an HWND, in the shape of the classic application framework.
//
// Destruction: by the time ~CWnd runs, the parts of a derived class are gone, so a window it
// destroys reaches CWnd::WindowProc alone and no derived WM_DESTROY handler sees it. A class
// whose WM_DESTROY handling matters (its own handler, or an override that a base's handler calls)
// therefore calls DestroyInDestructor() at the start of its own destructor, while the object is
// whole. Windows destroyed before their objects die (a modal dialog after DoModal, a child with
// its parent) need nothing.
#pragma once
#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object attached to a window by this framework, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Creates the window with this object attached before its first message (WM_NCCREATE).
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id);
    // Attaches this object to an existing window and routes its messages through WindowProc.
    BOOL SubclassWindow(HWND hwnd);
    BOOL DestroyWindow();

    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void SetWindowText(LPCWSTR text) const { ::SetWindowTextW(m_hWnd, text); }
    std::wstring GetWindowText() const;
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const { return ::SetTimer(m_hWnd, id, milliseconds, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    void SetFont(HFONT font, BOOL redraw = TRUE) const { SendMessage(WM_SETFONT, (WPARAM)font, redraw); }
    void CenterWindow(HWND alternateOwner = nullptr) const;

    // --- override these ---
    // The window procedure of the class; fall through to CWnd::WindowProc for what is not handled.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // OnCommand(WPARAM notifyAndId, LPARAM controlHwnd): true when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification of this control, reflected by its parent (WM_COMMAND, WM_DRAWITEM,
    // WM_MEASUREITEM, WM_CTLCOLOR*). Returns true and sets *result when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called after the window is gone (WM_NCDESTROY); the object is detached by then.
    virtual void PostNcDestroy() {}

protected:
    // --- not meant to be overridden ---
    // Destroys the window, if it is still there, from the destructor of the class that calls it.
    void DestroyInDestructor();
    // The window's previous procedure: the class procedure or the one that was subclassed.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class WindowCreationHook;
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);
    void Detach();
    BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    WNDPROC superProc = nullptr;
};

// Installed around a window creation: the first window the thread creates while it is alive gets
// `window` attached at HCBT_CREATEWND, so even WM_NCCREATE and WM_CREATE reach the object.
class WindowCreationHook {
public:
    explicit WindowCreationHook(CWnd* window);
    ~WindowCreationHook();
    WindowCreationHook(const WindowCreationHook&) = delete;
    WindowCreationHook& operator=(const WindowCreationHook&) = delete;
    // The object whose window is being created (for WM_MEASUREITEM sent during its creation).
    static CWnd* Creating();

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook = nullptr;
    CWnd* previousCreating = nullptr;
};
