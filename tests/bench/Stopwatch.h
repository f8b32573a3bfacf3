// Elapsed time since construction, from the performance counter.
#pragma once
#include <windows.h>

class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceCounter(&start); }

    double Milliseconds() const {
        LARGE_INTEGER now{}, frequency{};
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start{};
};
