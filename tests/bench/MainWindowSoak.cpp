#include "bench/MainWindowSoak.h"

#include "support/MenuClicks.h"
#include "support/WindowTestSupport.h"
#include "functions/FunctionMenu.h"

#include <functional>

namespace {
// The first row of the button page edits the record that alone keeps function 1: a menu choice
// there brings the warning instead of the dialog chosen.
constexpr int kFreeRows = 7;
// The sub-menu's first item starts below its frame line.
constexpr int kSubMenuFirstTop = 1;

// A step of one cycle: what it does to the window in cycle `cycle`; false when what it names did
// not happen (a dialog that never came up).
struct SoakStep {
    const wchar_t* name;
    std::function<bool(BenchWindow&, int cycle)> run;
};

// Runs `open`, which opens a modal dialog, and cancels the dialog from inside its modal loop once
// it is shown; false when none came.
bool OpenAndCancel(const std::function<void()>& open) {
    bool shown = false;
    RunInNextModalLoop([&shown] {
        CDialog* dialog = ShownDialog<CDialog>([](CDialog& candidate) { return candidate.IsModal(); });
        shown = dialog != nullptr;
        if (dialog) dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    open();
    ForgetModalScript();
    return shown;
}

// Position of the item with function code `code` in the function menu, -1 when it has none.
int MenuPosition(int code) {
    const std::vector<FunctionMenuItem> items = BuildFunctionMenu({});
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].id == code) return static_cast<int>(i);
    }
    return -1;
}

// Opens the function menu of a row other than the first, on page 1; null when it did not open.
HWND OpenFunctionMenu(BenchWindow& window, int cycle) {
    MainLayout& layout = window.Window().Layout();
    window.Click(layout.pageTabs[0]);
    window.Click(layout.functionButtons[1 + cycle % kFreeRows]);
    const CBmpMenu* menu = window.Window().Buttons().OpenMenu();
    return menu ? menu->m_hWnd : nullptr;
}

// Picks the top-level item `code` of a function menu, which opens a key dialog, and cancels it.
bool ChooseAndCancel(BenchWindow& window, int cycle, int code) {
    HWND item = MenuItemButton(OpenFunctionMenu(window, cycle), MenuPosition(code));
    return item && OpenAndCancel([&window, item] {
        ClickMenuItem(item);
        window.Settle();
    });
}

bool OpenAndCloseMacroEditor(BenchWindow& window, int cycle) {
    HWND macros = OpenSubMenu(OpenFunctionMenu(window, cycle), MenuPosition(FUNC_MACRO));
    HWND editorEntry = MenuItemButton(macros, 0, kSubMenuFirstTop);
    return editorEntry && OpenAndCancel([&window, editorEntry] {
        ClickMenuItem(editorEntry);
        window.Settle();
    });
}

const SoakStep kSteps[] = {
    {L"page switch",
     [](BenchWindow& w, int cycle) {
         w.Click(w.Window().Layout().pageTabs[cycle % 3]);
         return true;
     }},
    {L"profile switch",
     [](BenchWindow& w, int cycle) {
         w.Click(w.Window().Layout().profileTabs[cycle % 5]);
         return true;
     }},
    {L"warning box opened and cancelled",
     [](BenchWindow& w, int) { return OpenAndCancel([&w] { w.Click(w.Window().Layout().resetButton); }); }},
    // The next click on any control closes the menu.
    {L"function menu opened and closed",
     [](BenchWindow& w, int cycle) {
         const bool opened = OpenFunctionMenu(w, cycle) != nullptr;
         w.Click(w.Window().Layout().pageTabs[0]);
         return opened;
     }},
    {L"single-key dialog", [](BenchWindow& w, int cycle) { return ChooseAndCancel(w, cycle, FUNC_SINGLE_KEY); }},
    {L"key-combination dialog",
     [](BenchWindow& w, int cycle) { return ChooseAndCancel(w, cycle, FUNC_KEY_COMBINATION); }},
    {L"rapid-fire dialog", [](BenchWindow& w, int cycle) { return ChooseAndCancel(w, cycle, FUNC_FIRE_KEY); }},
    {L"macro editor", OpenAndCloseMacroEditor},
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
        for (const SoakStep& step : kSteps) {
            if (!step.run(window, cycle)) ++result.failedSteps;
        }
        if (cycle + 1 == earlyCycles) result.early = Measure();
    }
    window.Settle();
    result.late = Measure();
    return result;
}
