// A long session on the main window: cycles of page switches, profile switches and dialogs opened
// and closed, with what the process holds measured after the first cycles and after the last.
// Each kind of cycle is one step of the table in MainWindowSoak.cpp; a new window or menu of the
// tool joins the soak as one more step there.
#pragma once
#include "bench/BenchWindow.h"
#include "bench/ResourceCounts.h"

#include <string>

struct SoakMark {
    GuiCounts counts;
    double privateMegabytes = 0;
};

struct SoakResult {
    SoakMark early;  // after the first cycles
    SoakMark late;   // after all cycles
    int cycles = 0;
    std::wstring steps;  // the names of the steps of one cycle
    int failedSteps = 0;  // steps whose dialog or menu did not come up
};

class MainWindowSoak {
public:
    explicit MainWindowSoak(BenchWindow& window) : window(window) {}

    // Runs `cycles` cycles and measures after `earlyCycles` of them and at the end.
    SoakResult Run(int cycles, int earlyCycles);

private:
    BenchWindow& window;
};
