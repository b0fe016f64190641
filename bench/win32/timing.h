// A small timing harness for the Win32 benchmarks, where Google Benchmark is not built:
// each case runs a fixed number of times on the steady clock and reports its median, so
// that one slow run (a paint, a page fault) does not decide the result.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

struct Timing {
  double medianMs = 0;
  double fastestMs = 0;
  double slowestMs = 0;
};

inline double ElapsedMs(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const auto stop = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(stop - start).count();
}

inline Timing TimingOf(std::vector<double> ms) {
  Timing t;
  if (ms.empty()) return t;
  std::sort(ms.begin(), ms.end());
  const std::size_t n = ms.size();
  t.medianMs = n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  t.fastestMs = ms.front();
  t.slowestMs = ms.back();
  return t;
}

// Runs `work` `runs` times; `before` runs untimed ahead of each run.
inline Timing TimeRuns(int runs, const std::function<void()>& work, const std::function<void()>& before = {}) {
  std::vector<double> ms;
  for (int r = 0; r < runs; ++r) {
    if (before) before();
    ms.push_back(ElapsedMs(work));
  }
  return TimingOf(std::move(ms));
}

}  // namespace bench
