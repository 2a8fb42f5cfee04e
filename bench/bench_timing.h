// Timing shared by the benchmarks: the median of several runs of one piece of work.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
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

// The same in processor time of the calling thread, so that the other processes of a busy machine
// do not count; for work that neither waits nor sleeps.
template <typename F> double MedianProcessorMs(F &&run, int repeats = 7) {
  auto now = [] {
    timespec t;
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
  };
  std::vector<double> times;
  for (int r = 0; r < repeats; ++r) {
    const double start = now();
    run();
    times.push_back(now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}
