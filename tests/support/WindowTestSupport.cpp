#include "support/WindowTestSupport.h"

#include <cwchar>
#include <utility>

namespace {
const wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

void WritePersonal(DWORD type, const wchar_t* value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Personal", type, value,
                      static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t)));
}

// The script of the next modal loop; a thread timer runs it once a modal dialog is up.
std::function<void()> modalScript;
UINT_PTR modalTimer = 0;

void CALLBACK RunModalScript(HWND, UINT, UINT_PTR, DWORD) {
    CDialog* modal = ShownDialog<CDialog>([](CDialog& dialog) { return dialog.IsModal(); });
    if (!modal) return;
    ForgetModalScript();
    std::function<void()> script = std::move(modalScript);
    modalScript = nullptr;
    if (script) script();
}
}  // namespace

void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

DocumentsRedirect::DocumentsRedirect(const std::wstring& folder) {
    DWORD size = sizeof(saved);
    hadValue = ::RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Personal",
                              RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &savedType, saved,
                              &size) == ERROR_SUCCESS;
    WritePersonal(REG_SZ, folder.substr(0, folder.size() - 1).c_str());
}

DocumentsRedirect::~DocumentsRedirect() {
    if (hadValue) {
        WritePersonal(savedType, saved);
    } else {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Personal");
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (::GetTickCount() - start > 10000) return false;
        ::Sleep(10);
    }
}

void SendKey(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
    PumpUntil([&] { return ((::GetAsyncKeyState(virtualKey) & 0x8000) != 0) != release; });
    // The hook's report was posted before the system took the key.
    PumpMessages();
}

void TypeKey(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

void RunInNextModalLoop(std::function<void()> script) {
    ForgetModalScript();
    modalScript = std::move(script);
    modalTimer = ::SetTimer(nullptr, 0, 50, RunModalScript);
}

void ForgetModalScript() {
    if (modalTimer) ::KillTimer(nullptr, modalTimer);
    modalTimer = 0;
}
