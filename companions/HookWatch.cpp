// hookwatch.exe: shows what the input hook library reports. It loads KBHook.dll the way the
// tool's dialogs do, reports to a small window of its own (title "KBHook watch"), and appends to
// the file named by its argument one line "key <virtual-key code> <flags>" per WM_HOOK_KEY and,
// since the hook passes every key on, one line "typed <text>" whenever the window's edit field
// changes. The window must have the keyboard focus for a key typed in X to reach Wine at all.
//
//   hookwatch.exe <file>
#include "framework/CEdit.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "macro/HookFunctions.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {
class HookWatchWindow : public CWnd {
public:
    explicit HookWatchWindow(std::wstring logPath) : logPath(std::move(logPath)) {}

    BOOL Create(const wchar_t* className) {
        if (!CreateEx(0, className, L"KBHook watch", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 250},
                      nullptr, 0) ||
            !typed.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{10, 10, 270, 40}, this, 0)) {
            return FALSE;
        }
        ::SetFocus(typed.m_hWnd);
        return TRUE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_HOOK_KEY:
            Append(L"key " + std::to_wstring(wParam) + L" " + std::to_wstring(lParam));
            return 1;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == typed.m_hWnd && HIWORD(wParam) == EN_CHANGE) {
                Append(L"typed " + typed.GetWindowText());
                return 0;
            }
            break;
        case WM_SETFOCUS:
            ::SetFocus(typed.m_hWnd);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            break;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    void Append(const std::wstring& line) const {
        std::unique_ptr<FILE, decltype(&std::fclose)> file(_wfopen(logPath.c_str(), L"a"), &std::fclose);
        if (file) std::fprintf(file.get(), "%ls\n", line.c_str());
    }

    std::wstring logPath;
    CEdit typed;
};
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::wstring logPath = arguments && count == 2 ? arguments[1] : L"";
    ::LocalFree(arguments);
    if (logPath.empty()) return 2;

    InitFolders();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"OrvaneHookWatch";
    ::RegisterClassW(&windowClass);

    HookWatchWindow window(logPath);
    if (!window.Create(windowClass.lpszClassName)) return 1;
    HookFunctions hook = LoadHookLibrary();
    hook.Install(window.m_hWnd);
    hook.Enable(true);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    hook.Enable(false);
    hook.Remove();
    return 0;
}
