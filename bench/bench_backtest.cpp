// Back-testing 20_4_6 (500 tickets) over the shipped history (3,622 draws), with a
// targeted set row of 20 numbers on every draw date: reading both grids' dates and
// numbers, pairing them, expanding and scoring every ticket of every draw. Against
// the bare evaluation loop: one AND + popcount per ticket and draw over masks made
// beforehand. Counters: "ratio" back-test time over bare-loop time, "backtest_ms"
// the back-test's CPU time, "draws" the draws played.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "analyses/backtest.h"
#include "bench_support.h"
#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "systems/catalogue.h"
#include "systems/placements.h"

namespace {

using ds::bench::seconds_of;

struct History {
  ds::TextGrid draws{1, ds::draw_columns};
  ds::TextGrid sets{1, 21};
  ds::BacktestInput in;
  std::vector<ds::PositionMask> tickets;
  std::vector<ds::PositionMask> hits;  // per draw: the set positions drawn
  History() {
    const auto d1 = ds::read_file(std::filesystem::path(DRAWSMITH_SOURCE_DIR) / "data" / "samples" / "d1");
    std::mt19937 rng(5);
    const std::string text = d1 ? *d1 : std::string();
    for (const auto line : ds::split_lines(text)) {
      std::vector<std::string> f;
      std::size_t at = 0;
      while (at < line.size()) {
        const auto end = std::min(line.find(' ', at), line.size());
        if (end > at) f.emplace_back(line.substr(at, end - at));
        at = end + 1;
      }
      if (f.size() < 8) continue;
      const int r = draws.append_row();
      draws.set_cell(r, 0, f[0]);
      for (int k = 1; k < 8; ++k) draws.set_cell(r, k + 1, f[k]);
      std::vector<int> set(49);
      for (int n = 0; n < 49; ++n) set[n] = n + 1;
      std::shuffle(set.begin(), set.end(), rng);
      sets.append_row();
      sets.set_cell(r, 0, f[0]);
      ds::PositionMask hit = 0;
      for (int p = 1; p <= 20; ++p) {
        sets.set_cell(r, p, std::to_string(set[p - 1]));
        for (int k = 1; k <= 6; ++k)
          if (f[k] == std::to_string(set[p - 1])) hit |= ds::PositionMask{1} << (p - 1);
      }
      hits.push_back(hit);
    }
    in.system_id = "20_4_6";
    in.lotto.play_n = 49;
    in.lotto.pick_n = 6;
    in.lotto.prize_3 = 10, in.lotto.prize_4 = 80, in.lotto.prize_5 = 2500, in.lotto.prize_6 = 5e6;
    in.lotto.prize_2b = 5, in.lotto.prize_5b = 1e5;
    in.lotto.cost = 3;
    in.tset_size = 20;
    in.from = *ds::day_number(1900, 1, 1);
    in.to = *ds::day_number(2100, 1, 1);
    std::int16_t count = 0;
    ds::TicketTable table;
    ds::load_tickets("20_4_6", count, table);
    tickets = ds::ticket_masks(ds::expand_tickets(table, count, 20, 6));
  }
};

const History& history() {
  static const History h;
  return h;
}

std::uint64_t bare_loop(const History& h) {
  std::uint64_t sum = 0;
  for (const ds::PositionMask hit : h.hits)
    for (const ds::PositionMask t : h.tickets) sum += static_cast<std::uint64_t>(std::popcount(t & hit));
  return sum;
}

void BM_BacktestBareLoop(benchmark::State& state) {
  const History& h = history();
  for (auto _ : state) benchmark::DoNotOptimize(bare_loop(h));
}

void BM_Backtest_20_4_6_Sample(benchmark::State& state) {
  const History& h = history();
  ds::BacktestResult r;
  for (auto _ : state) {
    r = ds::run_backtest(h.in, h.draws, h.sets);
    benchmark::DoNotOptimize(r.won);
  }
  double backtest = 0, bare = 0;
  for (int round = 0; round < 3; ++round) {
    backtest += seconds_of([&] { benchmark::DoNotOptimize(ds::run_backtest(h.in, h.draws, h.sets).won); }, 5);
    bare += seconds_of([&] { benchmark::DoNotOptimize(bare_loop(h)); }, 5);
  }
  state.counters["ratio"] = backtest / bare;
  state.counters["backtest_ms"] = backtest / 3 * 1000;
  state.counters["draws"] = static_cast<double>(r.draws.size());
  state.counters["tickets"] = static_cast<double>(h.tickets.size());
}

}  // namespace

BENCHMARK(BM_BacktestBareLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Backtest_20_4_6_Sample)->Unit(benchmark::kMillisecond);
