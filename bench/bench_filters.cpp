// The exact count of the combinations that pass a set of filters, against going
// through every combination and testing it.
//  - BM_FilterCount_6_49 / BM_FilterCount_7_50: count_passing with sum, odd, low, run
//    and decade filters over all 13,983,816 combinations of 6/49 and all 99,884,400 of
//    7/50. Counter "ratio": the count's time over enumerating every combination of the
//    game and testing it with ticket_passes; "count_ms" the count's CPU time. The 6/49
//    enumeration is measured whole; the 7/50 one is the 6/49 time per combination
//    (measured in the same run) times 7/6 times 99,884,400 combinations, since
//    enumerating 7/50 whole takes seconds a run.
//  - BM_FilterEnumerate_6_49: the enumeration itself (one pass), for reference.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_support.h"
#include "shell/ticket_filters.h"

namespace {

using ds::bench::seconds_of;

ds::TicketFilters mixed(const ds::FilterGame& game) {
  ds::TicketFilters f;
  const bool seven = game.drawn == 7;
  for (const char* e :
       seven ? std::vector<const char*>{"sum:140-220", "odd:2-5", "low:2-5", "run:1-3", "decade:1-3"}
             : std::vector<const char*>{"sum:120-180", "odd:2-4", "low:2-4", "run:1-2", "decade:1-2"})
    ds::add_filter(e, game, f);
  return f;
}

// Every combination of `game` in lexicographic order, each tested.
std::uint64_t enumerate(const ds::TicketFilters& f, const ds::FilterGame& game) {
  std::vector<int> t(game.drawn);
  for (int i = 0; i < game.drawn; ++i) t[i] = i + 1;
  std::uint64_t n = 0;
  const ds::PastDraws none;
  for (;;) {
    n += ds::ticket_passes(f, t, game.pool, none);
    int i = game.drawn - 1;
    while (i >= 0 && t[i] == game.pool - game.drawn + 1 + i) --i;
    if (i < 0) return n;
    ++t[i];
    for (int j = i + 1; j < game.drawn; ++j) t[j] = t[j - 1] + 1;
  }
}

double enumeration_seconds_6_49() {
  static const double s = [] {
    const ds::FilterGame g{49, 6};
    const auto f = mixed(g);
    return seconds_of([&] { benchmark::DoNotOptimize(enumerate(f, g)); }, 1);
  }();
  return s;
}

void count(benchmark::State& state, const ds::FilterGame& game, double enumeration) {
  const auto f = mixed(game);
  for (auto _ : state) benchmark::DoNotOptimize(ds::count_passing(f, game, {}));
  const double c = seconds_of([&] { benchmark::DoNotOptimize(ds::count_passing(f, game, {})); }, 5);
  state.counters["passing"] = static_cast<double>(ds::count_passing(f, game, {}));
  state.counters["count_ms"] = c * 1e3;
  state.counters["ratio"] = c / enumeration;
}

void BM_FilterEnumerate_6_49(benchmark::State& state) {
  const ds::FilterGame g{49, 6};
  const auto f = mixed(g);
  for (auto _ : state) benchmark::DoNotOptimize(enumerate(f, g));
}

void BM_FilterCount_6_49(benchmark::State& state) { count(state, {49, 6}, enumeration_seconds_6_49()); }

void BM_FilterCount_7_50(benchmark::State& state) {
  const double per_combination = enumeration_seconds_6_49() / 13983816.0;
  count(state, {50, 7}, per_combination * 7 / 6 * 99884400.0);
}

BENCHMARK(BM_FilterEnumerate_6_49)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FilterCount_6_49)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterCount_7_50)->Unit(benchmark::kMillisecond);

}  // namespace
