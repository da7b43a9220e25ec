// Choosing the largest system (20_4_6, 500 tickets) in the Systems window: fill_system
// (fit check, tickets, ticket grid, cost, ticket file) against expanding the tickets
// alone. The counter "ratio" of the fill_system run is its time over the expansion's
// time measured in the same process.
//
// Until the catalogue holds a table for 20_4_6, a stand-in table with the same number
// of base tickets is used for the steps after the lookup (BM_FillSteps); BM_FillSystem
// then reports an error instead of a time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "bench_support.h"
#include "shell/app_state.h"
#include "shell/files.h"
#include "systems/catalogue.h"
#include "systems/system_handlers.h"

namespace {

using ds::bench::seconds_of;

namespace fs = std::filesystem;

struct Setup {
  ds::AppState state;
  ds::TicketTable table;
  std::int16_t count = 0;
  bool held = false;  // the catalogue holds 20_4_6
  fs::path folder;
  Setup() {
    state.lotto.pick_n = 6;
    state.lotto.cost = 3;
    state.tset_size = 20;
    state.tset_name = "bench";
    state.lotto_name = "bench";
    for (int p = 1; p <= 20; ++p) state.tset_numbers[p] = static_cast<std::int16_t>(2 * p + 3);
    held = ds::load_tickets("20_4_6", count, table);
    if (!held) {
      // 25 base tickets of six distinct positions each.
      count = 25;
      table.assign(26, {});
      for (int i = 1; i <= 25; ++i) table[i] = {0, 1, static_cast<std::int16_t>(1 + i % 3), 2, 3, 1, 0};
    }
    folder = fs::temp_directory_path() / "ds_bench_fill_system";
    fs::create_directories(folder);
  }
  ~Setup() { fs::remove_all(folder); }
};

Setup& setup() {
  static Setup s;
  return s;
}

double expansion_seconds() {
  auto& s = setup();
  return seconds_of([&] { benchmark::DoNotOptimize(ds::expand_tickets(s.table, s.count, 20, 6)); }, 2000);
}

void BM_ExpandTickets(benchmark::State& state) {
  auto& s = setup();
  for (auto _ : state) benchmark::DoNotOptimize(ds::expand_tickets(s.table, s.count, 20, 6));
  state.counters["tickets"] = static_cast<double>(s.count) * 20;
}

void BM_FillSystem(benchmark::State& state) {
  auto& s = setup();
  if (!s.held) {
    state.SkipWithError("no table for 20_4_6 yet; see BM_FillSteps");
    return;
  }
  ds::TextGrid grid;
  const fs::path file = ds::ticket_file_path(s.folder);
  const auto once = [&] { benchmark::DoNotOptimize(ds::fill_system("20_4_6", s.state, grid, file)); };
  for (auto _ : state) once();
  state.counters["ratio"] = seconds_of(once, 200) / expansion_seconds();
}

// Everything fill_system does after finding the table: grid, cost, file text, file.
void BM_FillSteps(benchmark::State& state) {
  auto& s = setup();
  ds::TextGrid grid;
  const fs::path file = ds::ticket_file_path(s.folder);
  const auto once = [&] {
    ds::layout_ticket_grid(grid, ds::expand_tickets(s.table, s.count, 20, 6), s.state.tset_numbers);
    benchmark::DoNotOptimize(
        ds::system_cost_text(grid.rows() - 1, s.state.lotto.cost, s.state.number_format));
    benchmark::DoNotOptimize(ds::write_file_atomic(file, ds::ticket_file_text(grid)));
  };
  for (auto _ : state) once();
  state.counters["ratio"] = seconds_of(once, 200) / expansion_seconds();
}

// The same without the file: what the screen alone costs.
void BM_FillStepsWithoutFile(benchmark::State& state) {
  auto& s = setup();
  ds::TextGrid grid;
  const auto once = [&] {
    ds::layout_ticket_grid(grid, ds::expand_tickets(s.table, s.count, 20, 6), s.state.tset_numbers);
    benchmark::DoNotOptimize(ds::ticket_file_text(grid));
  };
  for (auto _ : state) once();
  state.counters["ratio"] = seconds_of(once, 500) / expansion_seconds();
}

}  // namespace

BENCHMARK(BM_ExpandTickets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillSystem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillStepsWithoutFile)->Unit(benchmark::kMicrosecond);
