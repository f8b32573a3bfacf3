#include "bench/MainWindowSoak.h"

#include <functional>

namespace {
// A step of one cycle: what it does to the window in cycle `cycle`.
struct SoakStep {
    const wchar_t* name;
    std::function<void(BenchWindow&, int cycle)> run;
};

BOOL CALLBACK CancelOwnedDialog(HWND candidate, LPARAM found) {
    if (!::IsWindowVisible(candidate) || !::IsWindowEnabled(candidate) || !::GetWindow(candidate, GW_OWNER)) return TRUE;
    ::SendMessageW(candidate, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// Runs inside the modal loop of the dialog a step opened: cancels it once it is there. A modal
// dialog disables its owner, so the enabled window with an owner is the dialog.
void CALLBACK CancelDialogWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    bool found = false;
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelOwnedDialog, reinterpret_cast<LPARAM>(&found));
    if (found) ::KillTimer(nullptr, timer);
}

// Clicks `control`, which opens a modal dialog, and cancels the dialog once it is shown.
void OpenAndCancel(BenchWindow& window, const CWnd& control) {
    ::SetTimer(nullptr, 0, 1, CancelDialogWhenShown);
    window.Click(control);
}

const SoakStep kSteps[] = {
    {L"page switch", [](BenchWindow& w, int cycle) { w.Click(w.Window().Layout().pageTabs[cycle % 3]); }},
    {L"profile switch", [](BenchWindow& w, int cycle) { w.Click(w.Window().Layout().profileTabs[cycle % 5]); }},
    {L"warning box opened and cancelled",
     [](BenchWindow& w, int) { OpenAndCancel(w, w.Window().Layout().resetButton); }},
    // The next click on any control closes the menu.
    {L"function menu opened and closed",
     [](BenchWindow& w, int cycle) {
         MainLayout& layout = w.Window().Layout();
         w.Click(layout.pageTabs[0]);
         w.Click(layout.functionButtons[cycle % 8]);
         w.Click(layout.pageTabs[0]);
     }},
};

SoakMark Measure() {
    return SoakMark{CurrentGuiCounts(), PrivateMegabytes(::GetCurrentProcess())};
}
}  // namespace

SoakResult MainWindowSoak::Run(int cycles, int earlyCycles) {
    SoakResult result;
    result.cycles = cycles;
    for (const SoakStep& step : kSteps) result.steps += (result.steps.empty() ? L"" : L", ") + std::wstring(step.name);
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (const SoakStep& step : kSteps) step.run(window, cycle);
        if (cycle + 1 == earlyCycles) result.early = Measure();
    }
    window.Settle();
    result.late = Measure();
    return result;
}
