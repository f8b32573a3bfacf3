// The phases of the tool's start, each measured on its own in the benchmark's process with the
// tool's own code, as the median of repeated runs: texts read, pictures decoded, controls created,
// region built, profiles loaded, at one display scale. The first paint is measured on the whole
// window (BenchWindow).
#pragma once
#include "skin/DisplayScale.h"

#include <string>
#include <vector>

struct Phase {
    std::wstring name;
    double milliseconds;
};

class StartPhases {
public:
    StartPhases(int repetitions, const DisplayScale& scale) : repetitions(repetitions), scale(scale) {}

    std::vector<Phase> Measure() const;

private:
    double TextsRead() const;
    double PicturesDecoded() const;
    double ControlsCreated() const;
    double RegionBuilt() const;
    double ProfilesLoaded() const;

    int repetitions;
    DisplayScale scale;
};
