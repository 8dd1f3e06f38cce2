#pragma once
// Timing for the benchmarks: medians of many runs, reported against a baseline
// measured in the same run, so that figures from different machines compare.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double nowMs() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Median milliseconds of one run of work over `runs` runs, after a few to warm up.
inline double medianMs(int runs, const std::function<void()>& work) {
  for (int i = 0; i < 5; ++i) work();
  std::vector<double> times;
  times.reserve(runs);
  for (int i = 0; i < runs; ++i) {
    const double start = nowMs();
    work();
    GdiFlush();
    times.push_back(nowMs() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

inline void report(const char* name, double ms, double baseline, const char* note = "") {
  std::printf("  %-40s %8.3f ms   ratio %7.1f  %s\n", name, ms, ms / baseline, note);
}

}  // namespace bench
