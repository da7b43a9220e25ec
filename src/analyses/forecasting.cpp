#include "analyses/forecasting.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "analyses/probability.h"
#include "lotto/draw_period.h"

namespace ds {

namespace {

constexpr int bonus_col = 8;
constexpr int max_hits = 6;

// A cell's whole number, or 0 when it holds none.
std::int16_t number_in(const TextGrid& grid, int row, int col) {
  const auto v = parse_i16(grid.cell(row, col));
  return v ? *v : 0;
}

// The numbers of one draw: D[1..pick_n] and the bonus in D[0].
std::vector<std::int16_t> draw_numbers(const TextGrid& draws, int row, int pick_n) {
  std::vector<std::int16_t> d(static_cast<std::size_t>(pick_n) + 1, 0);
  for (int c = 2; c <= pick_n + 1; ++c) d[c - 1] = number_in(draws, row, c);
  d[0] = number_in(draws, row, bonus_col);
  return d;
}

std::vector<std::int16_t> set_numbers(const TextGrid& sets, int row, int tset_size) {
  std::vector<std::int16_t> s(static_cast<std::size_t>(tset_size) + 1, 0);
  for (int c = 1; c <= tset_size; ++c) s[c] = number_in(sets, row, c);
  return s;
}

// Counts one pair of a draw and a set row of the same date.
void count_pair(const std::vector<std::int16_t>& d, int pick_n, const std::vector<std::int16_t>& s,
                int tset_size, FaCounts& counts) {
  const int k = intersect(d, pick_n, s, tset_size);
  // A row that repeats a number can count more hits than there are levels;
  // such a pair counts only as compared.
  const bool level = k <= max_hits;
  if (k > 0 && level) ++counts.hits[k][0];
  ++counts.matched_rows;
  const std::int16_t bonus = d[0];
  if (bonus <= 0 || !level) return;
  if (std::find(s.begin() + 1, s.end(), bonus) != s.end()) {
    // The draw moves from level k to level k + bonus.
    ++counts.hits[k][1];
    --counts.hits[k][0];
  }
}

}  // namespace

std::vector<FaLevel> general_fa_levels(const LottoDefinition& game, int v, int picks) {
  std::vector<FaLevel> out;
  const int n = game.play_n, k = game.pick_n;
  for (int w = 2; w <= k; ++w) {
    const double h = pool_chance(n, k, v, w);
    if (game.bonus_n <= 0) {
      out.push_back({std::to_string(w), w, -1, -1, h, 0});
      continue;
    }
    const double in_set = n > k ? static_cast<double>(std::max(v - w, 0)) / (n - k) : 0;
    out.push_back({std::to_string(w), w, 0, -1, h * (1 - in_set), 0});
    out.push_back({std::to_string(w) + "+bonus", w, 1, -1, h * in_set, 0});
  }
  if (game.second_n > 0 && picks >= game.second_n)
    for (int u = 1; u <= game.second_n; ++u)
      out.push_back({"second " + std::to_string(u), -1, -1, u,
                     pool_chance(game.second_pool, game.second_n, picks, u), 0});
  return out;
}

int count_general_fa(const TextGrid& draws, int ds, int de, const TextGrid& sets, int ts, int te,
                     const LottoDefinition& game, int tset_size, const std::vector<int>& second_picks,
                     const DateFormat& format, std::vector<FaLevel>& levels) {
  if (ds < 1 || ts < 1) return 0;
  int matched = 0;
  const int bonus_at = bonus_column(game);
  std::vector<std::pair<DayNumber, std::vector<std::int16_t>>> rows;
  for (int j = ts; j <= te && j < sets.rows(); ++j)
    if (const auto day = parse_date(sets.cell(j, 0), format))
      rows.emplace_back(*day, set_numbers(sets, j, std::max(tset_size, 0)));
  for (int i = ds; i <= de && i < draws.rows(); ++i) {
    const auto day = parse_date(draws.cell(i, 0), format);
    if (!day) continue;
    std::vector<std::int16_t> d(static_cast<std::size_t>(std::max<int>(game.pick_n, 0)) + 1, 0);
    for (int c = 2; c <= game.pick_n + 1; ++c) d[c - 1] = number_in(draws, i, c);
    const std::int16_t bonus = bonus_at >= 0 ? number_in(draws, i, bonus_at) : 0;
    int u = 0;
    for (int j = 0; j < game.second_n; ++j) {
      const int s = number_in(draws, i, second_column(game, j));
      u += s > 0 && std::find(second_picks.begin(), second_picks.end(), s) != second_picks.end();
    }
    for (const auto& [set_day, s] : rows) {
      if (set_day != *day) continue;
      ++matched;
      const int w = intersect(d, game.pick_n, s, tset_size);
      const int b = bonus > 0 && std::find(s.begin() + 1, s.end(), bonus) != s.end();
      for (FaLevel& level : levels)
        if ((level.main == w && (level.bonus < 0 || level.bonus == b)) ||
            (level.second >= 1 && level.second == u))
          ++level.hits;
    }
  }
  return matched;
}

std::int16_t find_start(DayNumber d, const TextGrid& grid, const DateFormat& format) {
  for (int r = 1; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, 0), format);
    if (!day) return 0;
    if (*day - d >= 0) return static_cast<std::int16_t>(r);
  }
  return 0;
}

std::int16_t find_end(DayNumber d, const TextGrid& grid, const DateFormat& format) {
  const int last = std::max(grid.rows() - 1, 0);
  for (int r = 1; r <= last; ++r) {
    const auto day = parse_date(grid.cell(r, 0), format);
    if (!day) break;
    if (*day - d > 0) return static_cast<std::int16_t>(r - 1);
  }
  return static_cast<std::int16_t>(last);
}

std::int16_t intersect(std::span<const std::int16_t> a, int na, std::span<const std::int16_t> b, int nb) {
  if (na < 1) return 0;
  const int ea = std::min<int>(na, static_cast<int>(a.size()) - 1);
  const int eb = std::min<int>(nb, static_cast<int>(b.size()) - 1);
  int res = 0;
  for (int i = 1; i <= ea; ++i) {
    if (a[i] <= 0) continue;
    for (int j = 1; j <= eb; ++j)
      if (b[j] > 0 && a[i] == b[j]) ++res;
  }
  return static_cast<std::int16_t>(res);
}

void fill_fa_table(std::int16_t play_n, std::int16_t pick_n, std::int16_t tset_size, FaTable& table) {
  const auto chance = [&](std::int16_t k) {
    const float h = hypergeometric(play_n, pick_n, tset_size, k);
    return std::isfinite(h) ? h : 0.0f;
  };
  const float one = chance(1);
  for (std::int16_t k = 2; k <= max_hits; ++k) {
    table[k][0] = chance(k);
    table[k][1] = static_cast<float>(static_cast<double>(one) * table[k][0]);
  }
}

FaCounts count_fa_hits(const TextGrid& draws, int ds, int de, const TextGrid& sets, int ts, int te,
                       int pick_n, int tset_size, const DateFormat& format) {
  FaCounts counts;
  if (ds < 1 || ts < 1) return counts;
  pick_n = std::max(pick_n, 0);
  tset_size = std::max(tset_size, 0);
  // The set rows of the period, each date read once, ordered by day and then by row.
  struct SetRow {
    DayNumber day;
    int row;
  };
  std::vector<SetRow> index;
  for (int j = ts; j <= te && j < sets.rows(); ++j)
    if (const auto day = parse_date(sets.cell(j, 0), format)) index.push_back({*day, j});
  std::stable_sort(index.begin(), index.end(),
                   [](const SetRow& a, const SetRow& b) { return a.day < b.day; });
  std::vector<std::vector<std::int16_t>> numbers(index.size());
  for (std::size_t x = 0; x < index.size(); ++x) numbers[x] = set_numbers(sets, index[x].row, tset_size);

  for (int i = ds; i <= de && i < draws.rows(); ++i) {
    const auto day = parse_date(draws.cell(i, 0), format);
    if (!day) continue;
    auto lo = std::lower_bound(index.begin(), index.end(), *day,
                               [](const SetRow& a, DayNumber d) { return a.day < d; });
    if (lo == index.end() || lo->day != *day) continue;
    const auto d = draw_numbers(draws, i, pick_n);
    for (auto it = lo; it != index.end() && it->day == *day; ++it)
      count_pair(d, pick_n, numbers[static_cast<std::size_t>(it - index.begin())], tset_size, counts);
  }
  return counts;
}

std::string fa_ratio_text(int hits, int matched_rows, float chance, const NumberFormat& format) {
  if (matched_rows < 1 || !(chance > 0.0f) || !std::isfinite(chance)) return "1";
  const double r = hits / (matched_rows * static_cast<double>(chance));
  if (!(r > 1.0) || !std::isfinite(r)) return "1";
  // std::nearbyint rounds halves to the even neighbour in the default mode.
  const double rounded = std::nearbyint(r * 100.0) / 100.0;
  return format_general(rounded, format);
}

void reset_fa_grid(TextGrid& grid) {
  grid.resize(2, 2);
  grid.clear_cells();
  grid.fixed_rows = 1;
  grid.fixed_cols = 1;
  grid.set_cell(0, 0, DS_TR_NOOP("Prizes"));
  grid.set_cell(0, 1, DS_TR_NOOP("Forecasting Abilities"));
}

FaInput fa_input(const AppState& state, const std::string& from_text, const std::string& to_text) {
  FaInput in;
  in.from_text = from_text;
  in.to_text = to_text;
  in.lotto_name = state.lotto_name;
  in.play_n = state.lotto.play_n;
  in.pick_n = state.lotto.pick_n;
  in.tset_name = state.tset_name;
  in.tset_size = state.tset_size;
  in.date_format = state.date_format;
  in.number_format = state.number_format;
  in.general = !fits_record(state.lotto);
  in.lotto = state.lotto;
  in.second_picks = state.second_picks;
  return in;
}

namespace {

// calculate_fa past its checks for a game beyond the record: one row per level
// of general_fa_levels, "1" unless the level came more often than its chance.
FaOutcome general_fa(const FaInput& in, DayNumber from, DayNumber to, const ChosenGrids& grids,
                     TextGrid& grid, FaOutcome& out) {
  std::vector<FaLevel> levels =
      general_fa_levels(in.lotto, in.tset_size, static_cast<int>(in.second_picks.size()));
  grid.set_cols(2);
  grid.set_rows(static_cast<int>(levels.size()) + 1);
  for (std::size_t r = 0; r < levels.size(); ++r) {
    grid.set_cell(static_cast<int>(r) + 1, 0, levels[r].label);
    grid.set_cell(static_cast<int>(r) + 1, 1, "1");
  }
  const TextGrid empty;
  const TextGrid* draws = grids.draws;
  const TextGrid* sets = grids.sets;
  if (!draws) draws = &empty;
  if (!sets) sets = &empty;
  out.period = draws_in_period_message(*draws, from, to, in.date_format);
  const int ds = find_start(from, *draws, in.date_format);
  const int de = find_end(to, *draws, in.date_format);
  const int ts = find_start(from, *sets, in.date_format);
  const int te = find_end(to, *sets, in.date_format);
  if (ds == 0 || de == 0 || ts == 0 || te == 0) return out;
  const int matched = count_general_fa(*draws, ds, de, *sets, ts, te, in.lotto, in.tset_size, in.second_picks,
                                       in.date_format, levels);
  out.counts.matched_rows = matched;
  out.compared = true;
  for (std::size_t r = 0; r < levels.size(); ++r) {
    const double c = levels[r].chance;
    std::string text = "1";
    if (matched > 0 && c > 0) {
      const double ratio = levels[r].hits / (matched * c);
      if (ratio > 1.0 && std::isfinite(ratio))
        text = format_general(std::nearbyint(ratio * 100.0) / 100.0, in.number_format);
    }
    grid.set_cell(static_cast<int>(r) + 1, 1, text);
  }
  return out;
}

}  // namespace

FaOutcome calculate_fa(FaModel& model, const FaInput& in, const ChosenGrids& grids, FaTable& fa_table) {
  TextGrid& grid = model.grid;
  FaOutcome out;
  const auto from = check_date(in.from_text, in.date_format);
  if (!from) {
    out.message = messages().incorrect_date;
    out.focus = FaOutcome::Focus::from;
    return out;
  }
  const auto to = check_date(in.to_text, in.date_format);
  if (!to) {
    out.message = messages().incorrect_date;
    out.focus = FaOutcome::Focus::to;
    return out;
  }
  if (in.lotto_name.empty()) {
    out.message = messages().select_lotto;
    out.show = WindowId::lotto;
    return out;
  }
  out.lotto_label = in.lotto_name;
  if (static_cast<int>(in.play_n) * in.pick_n == 0) {
    out.message = messages().incorrect_lotto;
    return out;
  }
  if (in.tset_name.empty()) {
    out.message = messages().select_tset;
    out.show = WindowId::tsets;
    return out;
  }
  out.tset_name_label = in.tset_name;
  out.tset_size_label = std::to_string(in.tset_size);
  if (in.tset_size == 0) {
    out.message = messages().incorrect_tset_size;
    return out;
  }

  if (in.general) return general_fa(in, *from, *to, grids, grid, out);

  // Past this point bad data never stops the run.
  grid.set_cols(2);
  grid.set_rows(11);
  for (int r = 1; r <= 10; ++r) {
    grid.set_cell(r, 0, prize_class_labels[r - 1]);
    grid.set_cell(r, 1, "1");
  }
  fill_fa_table(in.play_n, in.pick_n, in.tset_size, fa_table);

  const TextGrid empty;
  const TextGrid* draws = grids.draws;
  const TextGrid* sets = grids.sets;
  if (!draws) draws = &empty;
  if (!sets) sets = &empty;
  out.period = draws_in_period_message(*draws, *from, *to, in.date_format);
  const int ds = find_start(*from, *draws, in.date_format);
  const int de = find_end(*to, *draws, in.date_format);
  const int ts = find_start(*from, *sets, in.date_format);
  const int te = find_end(*to, *sets, in.date_format);
  if (ds == 0 || de == 0 || ts == 0 || te == 0) return out;

  out.counts = count_fa_hits(*draws, ds, de, *sets, ts, te, in.pick_n, in.tset_size, in.date_format);
  out.compared = true;

  for (int level = 2; level <= max_hits; ++level) {
    for (int b = 0; b <= 1; ++b) {
      const int row = 2 * level - 3 + b;
      grid.set_cell(row, 0, prize_class_labels[row - 1]);
      grid.set_cell(row, 1,
                    fa_ratio_text(out.counts.hits[level][b], out.counts.matched_rows, fa_table[level][b],
                                  in.number_format));
    }
  }
  return out;
}

}  // namespace ds
