#include "bench/BenchWindow.h"

#include "bench/Stopwatch.h"
#include "device/DeviceService.h"
#include "framework/Messages.h"
#include "profile/ProfileFiles.h"
#include "support/WindowTestSupport.h"

namespace {
// The service confirms an apply at once; the tool unlocks by itself after ten seconds.
constexpr double kApplyConfirmLimitMilliseconds = 12000;
}

BenchWindow::BenchWindow() { window.Create(nullptr); }

BenchWindow::~BenchWindow() {
    if (window.m_hWnd) window.DestroyWindow();
    PumpMessages();
}

double BenchWindow::Show() {
    Stopwatch clock;
    window.ShowWindow(SW_SHOWNORMAL);
    Settle();
    return clock.Milliseconds();
}

double BenchWindow::Repaint() {
    Stopwatch clock;
    ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return clock.Milliseconds();
}

double BenchWindow::Apply() {
    HWND apply = window.Layout().applyButton.m_hWnd;
    Stopwatch clock;
    ::SendMessageW(window.m_hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(apply));
    const double milliseconds = clock.Milliseconds();
    WaitForUnlock();
    return milliseconds;
}

double BenchWindow::WriteProfileFiles() {
    Stopwatch clock;
    SaveAllProfiles();
    return clock.Milliseconds();
}

double BenchWindow::SendApplyMessage() {
    HWND service = FindServiceWindow();
    Stopwatch clock;
    SendToService(service, WM_SERVICE_APPLY, 0, 0);
    const double milliseconds = clock.Milliseconds();
    WaitForConfirmation();
    return milliseconds;
}

void BenchWindow::WaitForConfirmation() {
    // The window takes a confirmation only for an apply of its own, so the answer to a bare
    // message is looked for in the queue.
    Stopwatch waiting;
    bool confirmed = false;
    while (!confirmed && waiting.Milliseconds() < kApplyConfirmLimitMilliseconds) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            confirmed |= message.message == WM_DEVICE_SETTING && message.wParam == SETTING_APPLY_DONE;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

void BenchWindow::WaitForUnlock() {
    HWND apply = window.Layout().applyButton.m_hWnd;
    Stopwatch waiting;
    while (!::IsWindowEnabled(apply) && waiting.Milliseconds() < kApplyConfirmLimitMilliseconds) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
}

void BenchWindow::Click(const CWnd& control) {
    ::SendMessageW(window.m_hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(control.m_hWnd));
    Settle();
}

void BenchWindow::Settle() {
    ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
}
