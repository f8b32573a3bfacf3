// The benchmark of the tool: starts it against a bare Win32 program, splits its start into phases,
// times an apply, the window region and a full repaint, and runs a long session on the main window;
// then prints one table. Run by scripts/bench.sh, never by the tests: the figures are times.
//
//   orvane_bench [--starts N] [--cycles N] [--only switch|start]
//     --starts  measured starts of each program at each scale (default 7)
//     --cycles  cycles of the long session (default 1000; measured again after the first 10)
//     --only    switch: only the command line's row; start: only the rows of the starts and
//               their phases
#include "framework/Folders.h"
#include "bench/BenchTable.h"
#include "bench/BenchWindow.h"
#include "bench/MainWindowSoak.h"
#include "bench/ProgramStart.h"
#include "bench/ScopedLogPixels.h"
#include "bench/SimulatorSession.h"
#include "bench/StartPhases.h"
#include "bench/Stopwatch.h"
#include "profile/ProfileSet.h"
#include "skin/GdiplusSession.h"
#include "skin/SkinImages.h"
#include "skin/SkinRegion.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {
constexpr int kPhaseRepetitions = 7;
constexpr int kTimedRepetitions = 20;
constexpr int kEarlyCycles = 10;
constexpr DWORD kStartLimitMilliseconds = 30000;
constexpr double kStartRatioGoal = 1.3;
constexpr double kApplyGoalMilliseconds = 100;
constexpr double kRegionGoalMilliseconds = 10;
constexpr double kRepaintGoalMilliseconds = 8;
constexpr double kMemoryGoalMegabytes = 15;
constexpr double kSwitchRatioGoal = 2;
constexpr DWORD kServiceReadMilliseconds = 1000;
constexpr DWORD kDoubleScaleDpi = 192;
// Below this the private memory of a long session counts as not grown: the heap rounds.
constexpr double kMemoryNoiseMegabytes = 1;

enum class Rows { All, Switch, Start };

struct Options {
    int starts = 7;
    int cycles = 1000;
    Rows rows = Rows::All;
};

Options ReadOptions(int argc, wchar_t** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::wcscmp(argv[i], L"--only") == 0) {
            if (std::wcscmp(argv[i + 1], L"switch") == 0) options.rows = Rows::Switch;
            if (std::wcscmp(argv[i + 1], L"start") == 0) options.rows = Rows::Start;
        }
        const int value = static_cast<int>(std::wcstol(argv[i + 1], nullptr, 10));
        if (value <= 0) continue;
        if (std::wcscmp(argv[i], L"--starts") == 0) options.starts = value;
        if (std::wcscmp(argv[i], L"--cycles") == 0) options.cycles = std::max(value, kEarlyCycles);
    }
    return options;
}

std::wstring Milliseconds(double value) { return Number(value) + L" ms"; }
std::wstring Megabytes(double value) { return Number(value) + L" MB"; }

void Progress(const wchar_t* step) {
    std::fwprintf(stderr, L"bench: %ls\n", step);
    std::fflush(stderr);
}

struct StartFigures {
    int children = 0;
    int measured = 0;
    double toolMilliseconds = 0, bareMilliseconds = 0;
    double toolMegabytes = 0, bareMegabytes = 0;
};

// The starts of both programs at one scale, gathered round by round.
class StartSeries {
public:
    void Add(const StartResult& bare, const StartResult& tool) {
        if (!bare.painted || !tool.painted) return;
        bareTimes.push_back(bare.milliseconds);
        toolTimes.push_back(tool.milliseconds);
        bareMemory.push_back(bare.privateMegabytes);
        toolMemory.push_back(tool.privateMegabytes);
    }

    StartFigures Figures(int children) const {
        StartFigures figures;
        figures.children = children;
        figures.measured = static_cast<int>(toolTimes.size());
        figures.toolMilliseconds = Median(toolTimes);
        figures.bareMilliseconds = Median(bareTimes);
        figures.toolMegabytes = Median(toolMemory);
        figures.bareMegabytes = Median(bareMemory);
        return figures;
    }

private:
    std::vector<double> toolTimes, bareTimes, toolMemory, bareMemory;
};

struct BothScalesStarts {
    StartFigures normal, doubleScale;
};

// The tool's start against the bare program with as many child windows, alternating, so that
// both see the same load of the machine; each round starts both at 100%, then both at 200%, so
// that the two scales see it too. One start of each program at each scale, not counted, warms
// the caches.
BothScalesStarts MeasureStarts(int starts) {
    const std::wstring directory = AppDirectory;
    const ProgramStart tool(L"\"" + directory + L"OrvaneCfg.exe\"", L"Orvane");
    const int children = tool.Run(kStartLimitMilliseconds).childWindows;
    const ProgramStart bare(L"\"" + directory + L"bench_bare.exe\" " + std::to_wstring(children), L"Bare popup");
    bare.Run(kStartLimitMilliseconds);
    {
        const ScopedLogPixels doubleScale(kDoubleScaleDpi);
        tool.Run(kStartLimitMilliseconds);
        bare.Run(kStartLimitMilliseconds);
    }
    StartSeries normal, doubleScale;
    for (int i = 0; i < starts; ++i) {
        const StartResult bareRun = bare.Run(kStartLimitMilliseconds);
        normal.Add(bareRun, tool.Run(kStartLimitMilliseconds));
        const ScopedLogPixels scaled(kDoubleScaleDpi);
        const StartResult scaledBareRun = bare.Run(kStartLimitMilliseconds);
        doubleScale.Add(scaledBareRun, tool.Run(kStartLimitMilliseconds));
    }
    return BothScalesStarts{normal.Figures(children), doubleScale.Figures(children)};
}

double StartRatio(const StartFigures& starts) {
    return starts.bareMilliseconds > 0 ? starts.toolMilliseconds / starts.bareMilliseconds : 0;
}

// `scale`: empty at 96 DPI, else the display scale both programs ran at. `goal`: the highest
// ratio that meets the goal, and how the table says it.
void AddStart(BenchTable& table, const StartFigures& starts, const std::wstring& scale, double goal,
              const std::wstring& goalText) {
    const double ratio = StartRatio(starts);
    table.Add(L"start to first complete paint" + scale + L" (median of " + std::to_wstring(starts.measured) + L")",
              Milliseconds(starts.toolMilliseconds) + L" = " + Number(ratio, 2) + L"x",
              L"bare program, popup with " + std::to_wstring(starts.children) + L" buttons: " +
                  Milliseconds(starts.bareMilliseconds),
              goalText, starts.measured > 0 && ratio <= goal);
}

// The command line's switch, which loads, saves and applies all five profiles, against a console
// program that only starts and exits, in turn, after one run of each that warms the caches.
void MeasureSwitch(BenchTable& table, int starts) {
    const std::wstring directory = AppDirectory;
    const ProgramStart bare(L"\"" + directory + L"bench_bare_console.exe\"", L"");
    bare.RunToExit(kStartLimitMilliseconds);
    ProgramStart(L"\"" + directory + L"OrvaneCtl.exe\" switch 1", L"").RunToExit(kStartLimitMilliseconds);
    std::vector<double> switchTimes, bareTimes;
    for (int i = 0; i < starts; ++i) {
        const ProgramStart command(L"\"" + directory + L"OrvaneCtl.exe\" switch " + std::to_wstring(i % kProfileCount + 1),
                                   L"");
        // The simulator reads the five files after each apply; the next switch would wait for it.
        ::Sleep(kServiceReadMilliseconds);
        const double bareRun = bare.RunToExit(kStartLimitMilliseconds);
        const double switchRun = command.RunToExit(kStartLimitMilliseconds);
        if (bareRun < 0 || switchRun < 0) continue;
        bareTimes.push_back(bareRun);
        switchTimes.push_back(switchRun);
    }
    const double switchMilliseconds = Median(switchTimes), bareMilliseconds = Median(bareTimes);
    const double ratio = bareMilliseconds > 0 ? switchMilliseconds / bareMilliseconds : 0;
    table.Add(L"OrvaneCtl switch: start to exit, five files saved and applied (median of " +
                  std::to_wstring(switchTimes.size()) + L")",
              Milliseconds(switchMilliseconds) + L" = " + Number(ratio, 2) + L"x",
              L"bare console program, start to exit: " + Milliseconds(bareMilliseconds),
              L"under " + Number(kSwitchRatioGoal, 1) + L"x", !switchTimes.empty() && ratio < kSwitchRatioGoal);
}

void AddMemory(BenchTable& table, const BothScalesStarts& starts) {
    const StartFigures& normal = starts.normal;
    const double extra = normal.toolMegabytes - normal.bareMegabytes;
    table.Add(L"private memory after start", Megabytes(normal.toolMegabytes) + L" = +" + Megabytes(extra),
              L"bare program: " + Megabytes(normal.bareMegabytes), L"at most +" + Megabytes(kMemoryGoalMegabytes),
              normal.measured > 0 && extra <= kMemoryGoalMegabytes);
    // Four times the pixels: shown, with the goal set for 100% left to that row.
    const StartFigures& scaled = starts.doubleScale;
    table.Add(BenchRow{L"private memory after start at 200%",
                       Megabytes(scaled.toolMegabytes) + L" = +" + Megabytes(scaled.toolMegabytes - scaled.bareMegabytes),
                       L"bare program: " + Megabytes(scaled.bareMegabytes), L""});
}

// `scale`: empty at 96 DPI, else the display scale the phases ran at.
void AddPhases(BenchTable& table, const std::vector<Phase>& phases, const std::wstring& scale) {
    for (const Phase& phase : phases) {
        table.Add(BenchRow{L"start phase" + scale + L": " + phase.name + L" (median of " +
                               std::to_wstring(kPhaseRepetitions) + L")",
                           Milliseconds(phase.milliseconds), L"", L""});
    }
}

void MeasureRegion(BenchTable& table) {
    GdiObject<HBITMAP> bitmap;
    const SIZE size = LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + L"cfgMainback.bmp", bitmap);
    const double region = MedianOf(kTimedRepetitions, [&bitmap] {
        Stopwatch clock;
        GdiObject<HRGN> built = CreateRegionFromBitmap(bitmap.Get());
        return clock.Milliseconds();
    });
    table.Add(L"window region built from its " + std::to_wstring(size.cx) + L" x " + std::to_wstring(size.cy) +
                  L" bitmap (median of " + std::to_wstring(kTimedRepetitions) + L")",
              Milliseconds(region), L"", L"under " + Milliseconds(kRegionGoalMilliseconds),
              region < kRegionGoalMilliseconds);
}

void MeasureWindow(BenchTable& table, BenchWindow& window) {
    const double repaint = MedianOf(kTimedRepetitions, [&window] { return window.Repaint(); });
    table.Add(L"full repaint of the main window into its memory bitmap (median of " +
                  std::to_wstring(kTimedRepetitions) + L")",
              Milliseconds(repaint), L"", L"under " + Milliseconds(kRepaintGoalMilliseconds),
              repaint < kRepaintGoalMilliseconds);
    const double apply = MedianOf(kTimedRepetitions, [&window] { return window.Apply(); });
    table.Add(L"apply: five profile files each written into a copy that replaces it, then the message (median of " +
                  std::to_wstring(kTimedRepetitions) + L")",
              Milliseconds(apply), L"", L"under " + Milliseconds(kApplyGoalMilliseconds),
              apply < kApplyGoalMilliseconds);
    const double files = MedianOf(kTimedRepetitions, [&window] { return window.WriteProfileFiles(); });
    table.Add(BenchRow{L"apply phase: five profile files written (median of " + std::to_wstring(kTimedRepetitions) +
                           L")",
                       Milliseconds(files), L"", L""});
    const double message = MedianOf(kTimedRepetitions, [&window] { return window.SendApplyMessage(); });
    table.Add(BenchRow{L"apply phase: the message sent until the service answers (median of " +
                           std::to_wstring(kTimedRepetitions) + L")",
                       Milliseconds(message), L"", L""});
}

void AddSoak(BenchTable& table, const SoakResult& soak) {
    // A step that did not open its window leaves its window out of the figures.
    if (soak.failedSteps > 0) {
        table.Add(L"steps of the long session whose dialog or menu did not come up",
                  std::to_wstring(soak.failedSteps), L"", L"none", false);
    }
    const std::wstring after = L"after " + std::to_wstring(soak.cycles) + L" cycles (" + soak.steps + L")";
    const std::wstring early = L"after " + std::to_wstring(kEarlyCycles) + L" cycles: ";
    const long gdi = soak.late.counts.gdiObjects - soak.early.counts.gdiObjects;
    const long user = soak.late.counts.userObjects - soak.early.counts.userObjects;
    const double memory = soak.late.privateMegabytes - soak.early.privateMegabytes;
    table.Add(L"GDI objects " + after, std::to_wstring(soak.late.counts.gdiObjects) + L" = " + std::to_wstring(gdi),
              early + std::to_wstring(soak.early.counts.gdiObjects), L"no growth", gdi <= 0);
    table.Add(L"USER objects " + after, std::to_wstring(soak.late.counts.userObjects) + L" = " + std::to_wstring(user),
              early + std::to_wstring(soak.early.counts.userObjects), L"no growth", user <= 0);
    table.Add(L"private memory " + after, Megabytes(soak.late.privateMegabytes) + L" = " + Megabytes(memory),
              early + Megabytes(soak.early.privateMegabytes), L"no growth (under 1 MB)",
              memory < kMemoryNoiseMegabytes);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    const Options options = ReadOptions(argc, argv);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    InitFolders();
    GdiplusSession gdiplus;
    SimulatorSession service(AppDirectory);
    if (!service.Running()) Progress(L"the device simulator did not start; applies go unanswered");
    BenchTable table;
    if (options.rows == Rows::Switch) {
        Progress(L"command line");
        MeasureSwitch(table, options.starts);
        std::fputws(table.Text().c_str(), stdout);
        return 0;
    }

    Progress(L"starts at 100% and 200%");
    const BothScalesStarts bothScales = MeasureStarts(options.starts);
    Progress(L"start phases");
    const std::vector<Phase> phases = StartPhases(kPhaseRepetitions, DisplayScale()).Measure();
    const std::vector<Phase> doubleScalePhases = StartPhases(kPhaseRepetitions, DisplayScale(kDoubleScaleDpi)).Measure();
    AddStart(table, bothScales.normal, L"", kStartRatioGoal, L"at most " + Number(kStartRatioGoal, 1) + L"x");
    const double normalRatio = StartRatio(bothScales.normal);
    AddStart(table, bothScales.doubleScale, L" at 200% (192 DPI, both programs)", normalRatio,
             L"at most the ratio at 100%, " + Number(normalRatio, 2) + L"x");
    AddPhases(table, phases, L"");
    AddPhases(table, doubleScalePhases, L" at 200%");
    {
        BenchWindow window;
        table.Add(BenchRow{L"start phase: first paint of the window and its controls", Milliseconds(window.Show()),
                           L"", L""});
        AddMemory(table, bothScales);
        if (options.rows == Rows::Start) {
            std::fputws(table.Text().c_str(), stdout);
            return 0;
        }
        Progress(L"region, repaint and apply");
        MeasureRegion(table);
        MeasureWindow(table, window);
        Progress(L"long session");
        AddSoak(table, MainWindowSoak(window).Run(options.cycles, kEarlyCycles));
    }
    Progress(L"command line");
    MeasureSwitch(table, options.starts);
    std::fputws(table.Text().c_str(), stdout);
    return 0;
}
