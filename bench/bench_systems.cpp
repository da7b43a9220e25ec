// Evaluating every placement of the largest system, against a bare loop of the same
// number of AND + popcount operations. The counter "ratio" of the evaluation run is
// its time over the bare loop's time measured in the same process (should stay under 2).
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "bench_support.h"
#include "systems/catalogue.h"
#include "systems/placements.h"

namespace {

using ds::bench::seconds_of;

struct LargestSystem {
  std::vector<ds::PositionMask> tickets;
  std::vector<ds::PositionMask> placements;  // all 6 of 20
  LargestSystem() {
    std::int16_t count = 0;
    ds::TicketTable table;
    ds::load_tickets("20_4_6", count, table);
    tickets = ds::ticket_masks(ds::expand_tickets(table, count, 20, 6));
    for (std::uint32_t p = 0; p < (1u << 20); ++p)
      if (std::popcount(p) == 6) placements.push_back(p);
  }
};

const LargestSystem& largest() {
  static const LargestSystem s;
  return s;
}

// Sum of popcount(placement AND ticket) over all pairs: the floor for any evaluation.
std::uint64_t bare_loop(const LargestSystem& s) {
  std::uint64_t sum = 0;
  for (ds::PositionMask p : s.placements)
    for (ds::PositionMask x : s.tickets) sum += static_cast<std::uint64_t>(std::popcount(p & x));
  return sum;
}

void BM_BareAndPopcount(benchmark::State& state) {
  const auto& s = largest();
  for (auto _ : state) benchmark::DoNotOptimize(bare_loop(s));
  state.counters["pairs"] = static_cast<double>(s.tickets.size() * s.placements.size());
}

void BM_EvaluateAllPlacements_20_4_6(benchmark::State& state) {
  const auto& s = largest();
  for (auto _ : state) benchmark::DoNotOptimize(ds::evaluate_placements(s.tickets, 20, 6));
  // the ratio from interleaved timings in this thread, so both see the same machine state
  double eval = 0, bare = 0;
  for (int round = 0; round < 3; ++round) {
    eval += seconds_of([&] { benchmark::DoNotOptimize(ds::evaluate_placements(s.tickets, 20, 6)); }, 3);
    bare += seconds_of([&] { benchmark::DoNotOptimize(bare_loop(s)); }, 3);
  }
  state.counters["pairs"] = static_cast<double>(s.tickets.size() * s.placements.size());
  state.counters["ratio"] = eval / bare;
}

// The guaranteed results of the largest system as choosing it shows them, against
// evaluating every placement of its tickets (what each choice cost before the rows were
// worked out at build time). The counter "ratio" is the first over the second.
void BM_LoadResults_20_4_6(benchmark::State& state) {
  ds::ResultsAvg avg;
  ds::ResultsCount worst, best;
  const auto load = [&] {
    ds::load_results("20_4_6", avg, worst, best);
    benchmark::DoNotOptimize(worst);
  };
  for (auto _ : state) load();
  const auto& s = largest();
  const double evaluate =
      seconds_of([&] { benchmark::DoNotOptimize(ds::evaluate_placements(s.tickets, 20, 6)); }, 3);
  state.counters["ratio"] = seconds_of(load, 20000) / evaluate;
}

}  // namespace

BENCHMARK(BM_BareAndPopcount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluateAllPlacements_20_4_6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadResults_20_4_6)->Unit(benchmark::kMicrosecond);
