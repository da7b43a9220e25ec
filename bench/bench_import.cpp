// Importing a published history of 10,000 draws (header, commas, d/m/yyyy dates,
// a draw counter and a jackpot column besides the numbers and the bonus) into a
// table that already holds every other draw: the preview (separator, columns,
// order of day and month, every row checked and compared with the table) and
// the merged table, without the file write. Against only cutting the same text
// into lines. Counters: "ratio" import time over line-cutting time, "import_ms"
// the import's CPU time, "fresh" and "present" the preview's counts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "lotto/draw_import.h"
#include "lotto/lotto_files.h"
#include "lotto/lotto_handlers.h"
#include "shell/files.h"

namespace {

using ds::bench::seconds_of;

struct Published {
  std::string csv;
  ds::TextGrid table;
  ds::LottoDefinition lotto;
  Published() {
    lotto.play_n = 49;
    lotto.pick_n = 6;
    ds::empty_draw_table(table);
    std::mt19937 rng(11);
    csv = "Draw,Date,N1,N2,N3,N4,N5,N6,Bonus,Jackpot\r\n";
    const ds::DayNumber first = *ds::day_number(1950, 1, 4);
    for (int i = 0; i < 10000; ++i) {
      const ds::DayNumber day = first + 3 * i + i / 2;
      int y = 0, m = 0, d = 0;
      ds::civil_from_day(day, y, m, d);
      std::string line =
          std::to_string(i + 1) + "," + std::to_string(d) + "/" + std::to_string(m) + "/" + std::to_string(y);
      std::vector<int> drawn;
      while (drawn.size() < 7) {
        const int n = 1 + static_cast<int>(rng() % 49);
        if (std::find(drawn.begin(), drawn.end(), n) == drawn.end()) drawn.push_back(n);
      }
      for (int n : drawn) line += "," + std::to_string(n);
      csv += line + "," + std::to_string(1000000 + rng() % 9000000) + "\r\n";
      if (i % 2 == 1) continue;
      const int r = table.append_row();
      table.set_cell(r, ds::col_date, ds::format_date(day, ds::DateFormat::iso()));
      for (int k = 0; k < 7; ++k) table.set_cell(r, ds::col_n1 + k, std::to_string(drawn[k]));
    }
  }
};

const Published& published() {
  static const Published p;
  return p;
}

std::size_t import_once(const Published& p, ds::ImportPreview& preview) {
  preview = ds::preview_import(p.csv, p.lotto, p.table, ds::DateFormat::iso());
  const ds::TextGrid merged = ds::merged_draws(p.table, preview, ds::DateFormat::iso());
  return static_cast<std::size_t>(merged.rows());
}

std::size_t lines_once(const Published& p) { return ds::split_lines(p.csv).size(); }

void BM_ImportLinesOnly_10000(benchmark::State& state) {
  const Published& p = published();
  for (auto _ : state) benchmark::DoNotOptimize(lines_once(p));
}

void BM_Import_10000(benchmark::State& state) {
  const Published& p = published();
  ds::ImportPreview preview;
  for (auto _ : state) benchmark::DoNotOptimize(import_once(p, preview));
  double import = 0, lines = 0;
  for (int round = 0; round < 3; ++round) {
    import += seconds_of([&] { benchmark::DoNotOptimize(import_once(p, preview));
  }, 3);
  lines += seconds_of([&] { benchmark::DoNotOptimize(lines_once(p)); }, 30);
}
state.counters["ratio"] = import / lines;
state.counters["import_ms"] = import / 3 * 1000;
state.counters["fresh"] = preview.fresh;
state.counters["present"] = preview.present;
}  // namespace

}  // namespace

BENCHMARK(BM_ImportLinesOnly_10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Import_10000)->Unit(benchmark::kMillisecond);
