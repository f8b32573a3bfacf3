#include "bench/BenchTable.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double MedianOf(int repetitions, const std::function<double()>& sample) {
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) samples.push_back(sample());
    return Median(samples);
}

std::wstring Number(double value, int decimals) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%.*f", decimals, value);
    return text;
}

void BenchTable::Add(std::wstring figure, std::wstring measured, std::wstring baseline, std::wstring goal, bool met) {
    rows.push_back(BenchRow{std::move(figure), std::move(measured), std::move(baseline), std::move(goal),
                            met ? BenchRow::Verdict::Met : BenchRow::Verdict::Missed});
}

std::wstring BenchTable::Text() const {
    std::wstring text = L"Machine: " + Machine() + L"\n\n";
    text += L"| Figure | Measured | Baseline in the same run | Goal | Met |\n";
    text += L"|---|---|---|---|---|\n";
    for (const BenchRow& row : rows) {
        const wchar_t* verdict = row.verdict == BenchRow::Verdict::Met      ? L"yes"
                                 : row.verdict == BenchRow::Verdict::Missed ? L"no"
                                                                            : L"";
        text += L"| " + row.figure + L" | " + row.measured + L" | " + row.baseline + L" | " + row.goal + L" | " +
                verdict + L" |\n";
    }
    return text;
}

std::wstring BenchTable::Machine() {
    wchar_t processor[256] = L"unknown processor";
    DWORD size = sizeof(processor);
    ::RegGetValueW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", L"ProcessorNameString",
                   RRF_RT_REG_SZ, nullptr, processor, &size);
    SYSTEM_INFO system{};
    ::GetNativeSystemInfo(&system);
    std::wstring machine = processor;
    machine.erase(0, machine.find_first_not_of(L' '));
    machine += L", " + std::to_wstring(system.dwNumberOfProcessors) + L" cores, ";
    using WineVersion = const char*(__cdecl*)();
    auto wineVersion = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
    if (wineVersion) {
        const char* version = wineVersion();
        machine += L"Wine " + std::wstring(version, version + std::strlen(version));
    } else {
        machine += L"Windows";
    }
    return machine;
}
