// The benchmark's one table: each figure with what it was measured against in the same run, its
// goal and whether it met it, under a line naming the machine the figures came from.
#pragma once
#include <functional>
#include <string>
#include <vector>

// The median of the samples; 0 for none.
double Median(std::vector<double> samples);
// The median of `repetitions` results of `sample`.
double MedianOf(int repetitions, const std::function<double()>& sample);

// "12.3" with `decimals` digits after the point.
std::wstring Number(double value, int decimals = 1);

struct BenchRow {
    std::wstring figure;
    std::wstring measured;
    std::wstring baseline;  // empty when the figure stands alone
    std::wstring goal;      // empty for a figure shown for information
    enum class Verdict { None, Met, Missed } verdict = Verdict::None;
};

class BenchTable {
public:
    void Add(BenchRow row) { rows.push_back(std::move(row)); }
    // A row judged by `met`.
    void Add(std::wstring figure, std::wstring measured, std::wstring baseline, std::wstring goal, bool met);

    // The table in Markdown, with the machine above it.
    std::wstring Text() const;

    // Processor, cores and system (the Wine version under Wine).
    static std::wstring Machine();

private:
    std::vector<BenchRow> rows;
};
