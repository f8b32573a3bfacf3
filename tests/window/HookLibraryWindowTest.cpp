// The keyboard hook library reporting keys that are put into the system's input, as a typed key
// would be.
#include "framework/CWnd.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "macro/HookFunctions.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

namespace {
class KeyRecorder : public CWnd {
public:
    KeyRecorder() { CreateEx(0, L"STATIC", L"hook test", WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }

    std::vector<std::pair<WPARAM, LPARAM>> keys;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HOOK_KEY) {
            keys.emplace_back(wParam, lParam);
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Handles this thread's messages, which runs the hook installed on it, until `done` holds.
template <typename Condition>
bool PumpUntil(Condition done) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        if (done()) return true;
        if (::GetTickCount() - start > 10000) return false;
        ::Sleep(10);
    }
}

// Puts a key press or release into the system's input and waits until the system has taken it,
// which is after every low-level hook has seen it.
void SendKey(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
    PumpUntil([&] { return ((::GetAsyncKeyState(virtualKey) & 0x8000) != 0) != release; });
    // The hook's report was posted before the system took the key.
    PumpUntil([] { return true; });
}

void TypeKey(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

using Keys = std::vector<std::pair<WPARAM, LPARAM>>;

TEST(HookLibraryWindow, ReportsOnlyWhileEnabledAndNothingOnceRemoved) {
    InitFolders();
    HookFunctions hook = LoadHookLibrary();
    ASSERT_NE(nullptr, hook.installhook);
    KeyRecorder recorder;

    hook.Install(recorder.m_hWnd);
    TypeKey('Q');
    EXPECT_EQ(Keys{}, recorder.keys) << "reporting starts switched off";

    hook.Enable(true);
    TypeKey('Q');
    TypeKey('M');
    EXPECT_EQ((Keys{{'Q', 0}, {'Q', 0x80}, {'M', 0}, {'M', 0x80}}), recorder.keys);

    recorder.keys.clear();
    hook.Enable(false);
    TypeKey('Q');
    EXPECT_EQ(Keys{}, recorder.keys);

    hook.Enable(true);
    hook.Remove();
    TypeKey('Q');
    EXPECT_EQ(Keys{}, recorder.keys) << "a removed hook reports nothing";
}
}  // namespace
