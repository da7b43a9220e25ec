// Reading draw histories.
//  - BM_ReadDraws_Sample: the shipped history (3,622 draws) read into the draw table,
//    against only reading the file and cutting it into lines. Counter "ratio": read_draws
//    time over the bare read (should stay under 3).
//  - BM_DrawGridView_10000 (with the windows built): a history of 10,000 draws read into
//    the table and shown by the window's grid view (model reset, column sizes, scroll to
//    the latest draw, one paint), against reading it into the table alone. Counter
//    "ratio": view time over table time; "view_ms" what the view adds. The view never
//    copies the cells: what it adds is one paint of the visible rows, the same for 100
//    or 10,000 draws.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "bench_support.h"
#include "lotto/lotto_files.h"
#include "shell/dates.h"
#include "shell/files.h"

#ifdef DRAWSMITH_BENCH_WITH_QT
#include <QApplication>
#include <QPixmap>

#include "shell/ui/grid_view.h"
#endif

namespace {

using ds::bench::seconds_of;

namespace fs = std::filesystem;

// A scratch Games folder holding the shipped history as "Sample" and a synthetic
// history of 10,000 draws as "Big"; removed at exit.
struct Histories {
  fs::path root;
  fs::path games;
  Histories() {
    root = fs::temp_directory_path() / ("drawsmith-bench-lotto-" + std::to_string(std::random_device{}()));
    games = root / "Games";
    fs::create_directories(games / "Sample");
    fs::create_directories(games / "Big");
    const auto sample = ds::read_file(fs::path(DRAWSMITH_SOURCE_DIR) / "data" / "samples" / "d1");
    ds::write_file_atomic(games / "Sample" / "draws.txt", sample ? *sample : std::string());
    std::mt19937 rng(7);
    std::string big;
    const ds::DayNumber first = *ds::day_number(1950, 1, 4);
    for (int i = 0; i < 10000; ++i) {
      big += ds::format_date(first + 3 * i, ds::DateFormat::iso());
      for (int k = 0; k < 7; ++k) big += ' ' + std::to_string(1 + rng() % 49);
      big += " \r\n";
    }
    ds::write_file_atomic(games / "Big" / "draws.txt", big);
  }
  ~Histories() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

const Histories& histories() {
  static const Histories h;
  return h;
}

void read_table(const char* name, ds::TextGrid& grid) {
  ds::read_draws(histories().games, name, grid, ds::DateFormat::iso());
  benchmark::DoNotOptimize(grid.rows());
}

void bare_lines(const char* name) {
  const auto bytes = ds::read_file(histories().games / name / "draws.txt");
  const auto lines = ds::split_lines(*bytes);
  benchmark::DoNotOptimize(lines.size());
}

void BM_ReadFileLines_Sample(benchmark::State& state) {
  for (auto _ : state) bare_lines("Sample");
}

void BM_ReadDraws_Sample(benchmark::State& state) {
  ds::TextGrid grid;
  for (auto _ : state) read_table("Sample", grid);
  double parsed = 0, bare = 0;
  for (int round = 0; round < 5; ++round) {
    parsed += seconds_of([&] { read_table("Sample", grid); }, 20);
    bare += seconds_of([] { bare_lines("Sample"); }, 20);
  }
  state.counters["draws"] = grid.rows() - 1;
  state.counters["ratio"] = parsed / bare;
}

void BM_ReadDraws_10000(benchmark::State& state) {
  ds::TextGrid grid;
  for (auto _ : state) read_table("Big", grid);
  state.counters["draws"] = grid.rows() - 1;
}

#ifdef DRAWSMITH_BENCH_WITH_QT

QApplication& application() {
  static int argc = 1;
  static char name[] = "drawsmith_bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

void BM_DrawGridView_10000(benchmark::State& state) {
  application();
  ds::TextGrid grid;
  ds::reset_draw_grid(grid);
  ds::ui::GridView view(&grid, true);
  view.resize(640, 480);
  QPixmap canvas(view.size());
  // What the window does after reading a lotto: refresh the view, scroll to the
  // latest draw, and paint what is visible.
  auto shown = [&] {
    read_table("Big", grid);
    view.refresh();
    view.select_grid_row(grid.rows() - 1);
    view.render(&canvas);
  };
  for (auto _ : state) shown();
  double with_view = 0, table = 0;
  for (int round = 0; round < 5; ++round) {
    with_view += seconds_of(shown, 5);
    table += seconds_of([&] { read_table("Big", grid); }, 5);
  }
  state.counters["rows"] = view.model()->rowCount();
  state.counters["ratio"] = with_view / table;
  // What the view adds, in milliseconds: a paint of the visible rows, whatever the count.
  state.counters["view_ms"] = (with_view - table) / 5 * 1000;
}

BENCHMARK(BM_DrawGridView_10000)->Unit(benchmark::kMillisecond);

#endif

}  // namespace

BENCHMARK(BM_ReadFileLines_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDraws_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDraws_10000)->Unit(benchmark::kMillisecond);
