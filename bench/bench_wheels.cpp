// The exhaustive check of a 440-ticket wheel on 20 numbers against all 38,760 cases of
// six winners, beside a bare loop of the same AND + popcount operations (built the same
// way: with the popcount instruction where the processor has it). The counter "ratio" is
// the check's time over the bare loop's, measured interleaved in the same thread. The
// maker runs on a step budget, so its sizes are the same on every machine.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "bench_support.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_maker.h"

namespace {

using ds::WheelMask;
using ds::bench::seconds_of;

#if defined(__x86_64__) && defined(__GNUC__) && defined(__linux__) && !defined(__clang__)
#define BENCH_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define BENCH_POPCOUNT_CLONES
#endif

struct Wheel440 {
  std::vector<WheelMask> tickets;
  std::vector<WheelMask> cases;  // all 6 of 20
  Wheel440() {
    std::uint64_t seed = 2026;
    while (tickets.size() < 440) {
      WheelMask x = 0;
      while (std::popcount(x) < 6) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        x |= WheelMask{1} << ((seed >> 33) % 20);
      }
      tickets.push_back(x);
    }
    for (WheelMask p = 0; p < (WheelMask{1} << 20); ++p)
      if (std::popcount(p) == 6) cases.push_back(p);
  }
};

const Wheel440& wheel() {
  static const Wheel440 w;
  return w;
}

BENCH_POPCOUNT_CLONES
std::uint64_t bare_loop(const WheelMask* cases, std::size_t nc, const WheelMask* tickets, std::size_t nt) {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < nc; ++i)
    for (std::size_t j = 0; j < nt; ++j)
      sum += static_cast<std::uint64_t>(std::popcount(cases[i] & tickets[j]));
  return sum;
}

std::uint64_t bare(const Wheel440& w) {
  return bare_loop(w.cases.data(), w.cases.size(), w.tickets.data(), w.tickets.size());
}

void BM_WheelBareAndPopcount(benchmark::State& state) {
  const auto& w = wheel();
  for (auto _ : state) benchmark::DoNotOptimize(bare(w));
  state.counters["pairs"] = static_cast<double>(w.tickets.size() * w.cases.size());
}

void BM_WheelCheckSixOf20_440Tickets(benchmark::State& state) {
  const auto& w = wheel();
  for (auto _ : state) benchmark::DoNotOptimize(ds::check_row(w.tickets, 20, 6));
  double check = 0, base = 0;
  for (int round = 0; round < 3; ++round) {
    check += seconds_of([&] { benchmark::DoNotOptimize(ds::check_row(w.tickets, 20, 6)); }, 3);
    base += seconds_of([&] { benchmark::DoNotOptimize(bare(w)); }, 3);
  }
  state.counters["ratio"] = check / base;
}

void BM_WheelMeetsGuarantee4If6_440Tickets(benchmark::State& state) {
  const auto& w = wheel();
  for (auto _ : state) benchmark::DoNotOptimize(ds::meets_guarantee(w.tickets, 20, 4, 6));
  double check = 0, base = 0;
  for (int round = 0; round < 3; ++round) {
    check += seconds_of([&] { benchmark::DoNotOptimize(ds::meets_guarantee(w.tickets, 20, 4, 6)); }, 3);
    base += seconds_of([&] { benchmark::DoNotOptimize(bare(w)); }, 3);
  }
  state.counters["ratio"] = check / base;
}

// The maker on one thread with a step budget: the size reached is the counter "tickets".
void make(benchmark::State& state, int v, int k, int t, int m, std::uint64_t steps) {
  ds::MakeRequest r;
  r.v = v;
  r.k = k;
  r.t = t;
  r.m = m;
  r.seconds = 3600;
  r.steps = steps;
  r.threads = 1;
  std::size_t size = 0;
  for (auto _ : state) {
    ds::MakeProgress progress;
    const auto w = ds::make_wheel(r, {}, progress);
    size = w ? w->tickets.size() : 0;
  }
  state.counters["tickets"] = static_cast<double>(size);
}

// Annealing moves per second of the maker on one thread: 400,000 moves on 20 numbers
// 4 if 4 (the cyclic phase, an orbit of 19 tickets changed a move, then the plain descent)
// and on 17 numbers (the plain descent alone); "moves_per_s" counts both.
void moves(benchmark::State& state, int v) {
  ds::MakeRequest r;
  r.v = v;
  r.k = 6;
  r.t = 4;
  r.m = 4;
  r.seconds = 3600;
  r.steps = 400'000;
  r.threads = 1;
  for (auto _ : state) {
    ds::MakeProgress progress;
    benchmark::DoNotOptimize(ds::make_wheel(r, {}, progress));
  }
  state.counters["moves_per_s"] = benchmark::Counter(
      static_cast<double>(r.steps) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_MakeWheelMoves_20_6_4if4(benchmark::State& state) { moves(state, 20); }
void BM_MakeWheelMoves_17_6_4if4(benchmark::State& state) { moves(state, 17); }

void BM_MakeWheel_10_6_4if6(benchmark::State& state) { make(state, 10, 6, 4, 6, 100'000); }
void BM_MakeWheel_12_6_4if4(benchmark::State& state) { make(state, 12, 6, 4, 4, 1'000'000); }
void BM_MakeWheel_20_6_4if6(benchmark::State& state) { make(state, 20, 6, 4, 6, 300'000); }

}  // namespace

BENCHMARK(BM_WheelBareAndPopcount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelCheckSixOf20_440Tickets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelMeetsGuarantee4If6_440Tickets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeWheel_10_6_4if6)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_MakeWheel_12_6_4if4)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_MakeWheel_20_6_4if6)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_MakeWheelMoves_20_6_4if4)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_MakeWheelMoves_17_6_4if4)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
