// Timing shared by the benchmarks: the median of several runs of one piece of work.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

template <typename F> double MedianMs(F &&run, int repeats = 7) {
  std::vector<double> times;
  for (int r = 0; r < repeats; ++r) {
    QElapsedTimer timer;
    timer.start();
    run();
    times.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}
