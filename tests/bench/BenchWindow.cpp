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
    // Locked as the apply locks it; the confirmation unlocks it.
    window.Layout().applyButton.EnableWindow(FALSE);
    HWND service = FindServiceWindow();
    Stopwatch clock;
    SendToService(service, WM_SERVICE_APPLY, 0, 0);
    const double milliseconds = clock.Milliseconds();
    WaitForUnlock();
    return milliseconds;
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
