// Pairing draws with targeted-set rows of the same date over a long period:
// 10,000 draws and 2,000 set rows. The joined pairing reads each date once; the
// pairwise loop reads both dates of every pair. The counter "ratio" of the
// joined run is the pairwise time over the joined time, measured in the same
// process; "same" is 1 when both counted exactly the same.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "analyses/forecasting.h"
#include "bench_support.h"

namespace {

using ds::bench::seconds_of;

std::int16_t number_in(const ds::TextGrid& grid, int row, int col) {
  const auto v = ds::parse_i16(grid.cell(row, col));
  return v ? *v : 0;
}

// The pairwise loop the joined pairing replaced: both dates of every pair are read,
// and each pair is counted as count_fa_hits counts it.
ds::FaCounts count_fa_hits_pairwise(const ds::TextGrid& draws, int de, const ds::TextGrid& sets, int te,
                                    int pick_n, int tset_size, const ds::DateFormat& format) {
  ds::FaCounts counts;
  for (int i = 1; i <= de && i < draws.rows(); ++i) {
    for (int j = 1; j <= te && j < sets.rows(); ++j) {
      const auto draw_day = ds::parse_date(draws.cell(i, 0), format);
      const auto set_day = ds::parse_date(sets.cell(j, 0), format);
      if (!draw_day || !set_day || *draw_day != *set_day) continue;
      std::vector<std::int16_t> d(pick_n + 1), s(tset_size + 1);
      for (int c = 1; c <= pick_n; ++c) d[c] = number_in(draws, i, c + 1);
      for (int c = 1; c <= tset_size; ++c) s[c] = number_in(sets, j, c);
      const int k = ds::intersect(d, pick_n, s, tset_size);
      ++counts.matched_rows;
      if (k > 6) continue;
      if (k > 0) ++counts.hits[k][0];
      const std::int16_t bonus = number_in(draws, i, 8);
      if (bonus > 0 && std::find(s.begin() + 1, s.end(), bonus) != s.end()) {
        ++counts.hits[k][1];
        --counts.hits[k][0];
      }
    }
  }
  return counts;
}

struct History {
  ds::TextGrid draws{10001, 9};
  ds::TextGrid sets{2001, 11};
  ds::DateFormat format = ds::DateFormat::iso();
  History() {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> num(1, 49);
    const ds::DayNumber first = *ds::day_number(1960, 1, 2);
    for (int i = 1; i <= 10000; ++i) {
      // two draws a week
      draws.set_cell(i, 0, ds::format_date(first + (i / 2) * 7 + (i % 2) * 3, format));
      for (int c = 2; c <= 8; ++c) draws.set_cell(i, c, std::to_string(num(rng)));
    }
    // the set rows sit on the dates of the last 2,000 draws
    for (int j = 1; j <= 2000; ++j) {
      sets.set_cell(j, 0, draws.cell(8000 + j, 0));
      for (int c = 1; c <= 10; ++c) sets.set_cell(j, c, std::to_string(num(rng)));
    }
  }
  ds::FaCounts joined() const { return ds::count_fa_hits(draws, 1, 10000, sets, 1, 2000, 6, 10, format); }
  ds::FaCounts pairwise() const { return count_fa_hits_pairwise(draws, 10000, sets, 2000, 6, 10, format); }
};

const History& history() {
  static const History h;
  return h;
}

void BM_FaPairingJoined(benchmark::State& state) {
  const History& h = history();
  for (auto _ : state) benchmark::DoNotOptimize(h.joined());
  const double joined = seconds_of([&] { benchmark::DoNotOptimize(h.joined()); }, 5);
  ds::FaCounts slow;
  const double pairwise = seconds_of([&] { slow = h.pairwise(); }, 1);
  state.counters["ratio"] = pairwise / joined;
  state.counters["same"] = slow == h.joined() ? 1 : 0;
  state.counters["matched"] = h.joined().matched_rows;
}

void BM_FaPairingPairwise(benchmark::State& state) {
  const History& h = history();
  for (auto _ : state) benchmark::DoNotOptimize(h.pairwise());
}

}  // namespace

BENCHMARK(BM_FaPairingJoined)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FaPairingPairwise)->Unit(benchmark::kMillisecond)->Iterations(1);
