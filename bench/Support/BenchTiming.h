#pragma once

#include <windows.h>

#include <algorithm>

// Seconds on the performance counter.
inline double BenchSeconds()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The seconds one call of work takes.
template <class Work> double BenchSecondsOf(Work work)
{
    const double dStart = BenchSeconds();
    work();
    return BenchSeconds() - dStart;
}

// The shortest of iRuns timings: on a shared machine the shortest is the
// least disturbed. Each run returns its seconds.
template <class Run> double BenchBestOf(int iRuns, Run run)
{
    double dBest = run();
    for (int i = 1; i < iRuns; ++i)
        dBest = std::min(dBest, run());
    return dBest;
}
