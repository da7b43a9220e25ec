#pragma once
// Timing shared by the benchmarks: CPU time of the calling thread, so that other
// work on the machine does not skew a ratio measured in one run.
#include <ctime>

namespace ds::bench {

inline double thread_seconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

// Mean CPU seconds of one call of `f` over `repeats` calls.
inline double seconds_of(auto&& f, int repeats) {
  const double start = thread_seconds();
  for (int i = 0; i < repeats; ++i) f();
  return (thread_seconds() - start) / repeats;
}

}  // namespace ds::bench
