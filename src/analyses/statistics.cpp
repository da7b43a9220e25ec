#include "analyses/statistics.h"

#include <algorithm>
#include <cmath>

#include "lotto/lotto_files.h"
#include "shell/game.h"
#include "shell/numbers.h"

namespace ds {

namespace {

// The number in a cell, 0 when it is none.
int number_in(const TextGrid& grid, int row, int col) {
  const auto v = parse_whole(grid.cell(row, col));
  return v && *v >= 1 && *v <= 999 ? static_cast<int>(*v) : 0;
}

// True when `numbers` (sorted here) are `count` distinct numbers of 1..pool.
bool sound(std::vector<int>& numbers, int count, int pool) {
  std::sort(numbers.begin(), numbers.end());
  return static_cast<int>(numbers.size()) == count &&
         std::all_of(numbers.begin(), numbers.end(), [pool](int n) { return n >= 1 && n <= pool; }) &&
         std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}

}  // namespace

PeriodDraws period_draws(const TextGrid& grid, const LottoDefinition& game, const DateFormat& format,
                         std::optional<DayNumber> from, std::optional<DayNumber> to) {
  PeriodDraws out;
  for (int r = 1; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, col_date), format);
    if (!day || (from && *day < *from) || (to && *day > *to)) continue;
    PeriodDraw d;
    d.day = *day;
    for (int k = 0; k < game.pick_n; ++k) d.main.push_back(number_in(grid, r, col_n1 + k));
    bool ok = sound(d.main, game.pick_n, game.play_n);
    if (const int bc = bonus_column(game); bc >= 0) {
      // 0 (or an empty cell): the bonus was not recorded; the main numbers still count.
      d.bonus = number_in(grid, r, bc);
      ok = ok && (d.bonus == 0 ||
                  (d.bonus <= game.play_n && !std::binary_search(d.main.begin(), d.main.end(), d.bonus)));
    }
    for (int j = 0; j < game.second_n; ++j) d.second.push_back(number_in(grid, r, second_column(game, j)));
    ok = ok && sound(d.second, game.second_n, game.second_pool);
    if (ok)
      out.draws.push_back(std::move(d));
    else
      ++out.skipped;
  }
  std::stable_sort(out.draws.begin(), out.draws.end(),
                   [](const PeriodDraw& a, const PeriodDraw& b) { return a.day < b.day; });
  return out;
}

PastDraws past_main_draws(const std::vector<PeriodDraw>& draws) {
  std::vector<std::vector<int>> mains;
  mains.reserve(draws.size());
  for (const PeriodDraw& d : draws) mains.push_back(d.main);
  return distinct_draws(std::move(mains));
}

std::vector<NumberStats> number_statistics(const std::vector<PeriodDraw>& draws,
                                           const LottoDefinition& game) {
  std::vector<NumberStats> out;
  const int total = static_cast<int>(draws.size());
  const auto pool_stats = [&](bool second, int pool, int drawn) {
    for (int n = 1; n <= pool; ++n) {
      NumberStats s;
      s.number = n;
      s.second = second;
      s.expected = pool > 0 ? static_cast<double>(total) * drawn / pool : 0;
      int gap = 0;
      for (const PeriodDraw& d : draws) {
        const std::vector<int>& numbers = second ? d.second : d.main;
        if (!second && d.bonus == n) ++s.bonus;
        if (std::binary_search(numbers.begin(), numbers.end(), n)) {
          ++s.drawn;
          s.last = d.day;
          s.longest_gap = std::max(s.longest_gap, gap);
          gap = 0;
        } else {
          ++gap;
        }
      }
      s.longest_gap = std::max(s.longest_gap, gap);
      s.since = gap;
      out.push_back(s);
    }
  };
  pool_stats(false, game.play_n, game.pick_n);
  if (game.second_n > 0) pool_stats(true, game.second_pool, game.second_n);
  return out;
}

// Q(a, x) by its series for P = 1 - Q below x = a + 1, and by its continued
// fraction (modified Lentz) above; both to double precision.
double upper_gamma_q(double a, double x) {
  if (!(a > 0) || x < 0 || std::isnan(x)) return std::nan("");
  if (x == 0) return 1;
  if (std::isinf(x)) return 0;
  const double log_front = a * std::log(x) - x - std::lgamma(a);
  if (x < a + 1) {
    double term = 1 / a, sum = term;
    for (int n = 1; n < 100000; ++n) {
      term *= x / (a + n);
      sum += term;
      if (std::fabs(term) < std::fabs(sum) * 1e-17) break;
    }
    return std::max(0.0, 1 - sum * std::exp(log_front));
  }
  constexpr double tiny = 1e-300;
  double b = x + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
  for (int i = 1; i < 100000; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < tiny) d = tiny;
    c = b + an / c;
    if (std::fabs(c) < tiny) c = tiny;
    d = 1 / d;
    const double step = d * c;
    h *= step;
    if (std::fabs(step - 1) < 1e-16) break;
  }
  return std::exp(log_front) * h;
}

double chi_square_tail(double x, int dof) { return upper_gamma_q(dof / 2.0, x / 2.0); }

ChiSquare chi_square_uniform(std::span<const int> counts, double expected) {
  ChiSquare c;
  if (counts.size() < 2 || !(expected > 0)) return c;
  for (int n : counts) c.statistic += (n - expected) * (n - expected) / expected;
  c.dof = static_cast<int>(counts.size()) - 1;
  c.p_value = chi_square_tail(c.statistic, c.dof);
  return c;
}

ChiSquare pool_chi_square(const std::vector<NumberStats>& stats, bool second) {
  std::vector<int> counts;
  double expected = 0;
  for (const NumberStats& s : stats)
    if (s.second == second) {
      counts.push_back(s.drawn);
      expected = s.expected;
    }
  return chi_square_uniform(counts, expected);
}

std::string fair_draw_line(double p_value) {
  const double percent = p_value * 100;
  const std::string share = percent < 0.5 ? "less than 1 %" : format_fixed(percent, 0) + " %";
  return "These counts are what a fair draw gives " + share + " of the time.";
}

std::vector<PairCount> pair_counts(const std::vector<PeriodDraw>& draws, int pool) {
  std::vector<int> grid(static_cast<std::size_t>(pool + 1) * (pool + 1), 0);
  for (const PeriodDraw& d : draws)
    for (std::size_t i = 0; i < d.main.size(); ++i)
      for (std::size_t j = i + 1; j < d.main.size(); ++j) ++grid[d.main[i] * (pool + 1) + d.main[j]];
  std::vector<PairCount> out;
  for (int a = 1; a <= pool; ++a)
    for (int b = a + 1; b <= pool; ++b) out.push_back({a, b, grid[a * (pool + 1) + b]});
  return out;
}

std::vector<PairCount> extreme_pairs(std::vector<PairCount> pairs, std::size_t n, bool most) {
  std::stable_sort(pairs.begin(), pairs.end(), [most](const PairCount& x, const PairCount& y) {
    return most ? x.count > y.count : x.count < y.count;
  });
  pairs.resize(std::min(n, pairs.size()));
  return pairs;
}

double expected_pair_count(int draws, int pool, int drawn) {
  return pool < 2
             ? 0
             : static_cast<double>(draws) * drawn * (drawn - 1) / (static_cast<double>(pool) * (pool - 1));
}

Spread measure_spread(DrawMeasure measure, const std::vector<PeriodDraw>& draws, const FilterGame& game) {
  const int top =
      measure == DrawMeasure::sum ? game.drawn * (2 * game.pool - game.drawn + 1) / 2 : game.drawn;
  Spread s;
  s.draws.assign(top + 1, 0);
  s.combinations.assign(top + 1, 0);
  const auto value = [&](const std::vector<int>& t) {
    switch (measure) {
      case DrawMeasure::sum:
        return numbers_sum(t);
      case DrawMeasure::odd:
        return odd_count(t);
      case DrawMeasure::low:
        return low_count(t, game.pool);
      case DrawMeasure::run:
        return longest_run(t);
    }
    return 0;
  };
  for (const PeriodDraw& d : draws)
    if (const int v = value(d.main); v >= 0 && v <= top) ++s.draws[v];
  for (int v = 0; v <= top; ++v) {
    TicketFilters f;
    FilterRange& r = measure == DrawMeasure::sum   ? f.sum
                     : measure == DrawMeasure::odd ? f.odd
                     : measure == DrawMeasure::low ? f.low
                                                   : f.run;
    r = {true, v, v};
    s.combinations[v] = count_passing(f, game, {});
  }
  return s;
}

Repeats repeats_from_previous(const std::vector<PeriodDraw>& draws, const FilterGame& game) {
  Repeats r;
  r.draws.assign(game.drawn + 1, 0);
  for (int k = 0; k <= game.drawn; ++k) r.chance.push_back(pool_chance(game.pool, game.drawn, game.drawn, k));
  for (std::size_t i = 1; i < draws.size(); ++i) {
    int same = 0;
    for (int n : draws[i].main)
      same += std::binary_search(draws[i - 1].main.begin(), draws[i - 1].main.end(), n);
    if (same <= game.drawn) ++r.draws[same];
  }
  return r;
}

PassRateCheck check_pass_rate(int passed, int draws, double combinations_rate) {
  PassRateCheck c;
  c.combinations_rate = combinations_rate;
  if (draws <= 0) return c;
  const double n = draws, p = passed / n, z = 1.959963984540054;  // the normal's 97.5 % point
  c.draws_rate = p;
  const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
  c.low = std::max(0.0, centre - half);
  c.high = std::min(1.0, centre + half);
  const double r = combinations_rate, variance = n * r * (1 - r);
  if (variance > 0)
    c.p_value = chi_square_tail((passed - n * r) * (passed - n * r) / variance, 1);
  else
    c.p_value = std::fabs(passed - n * r) < 0.5 ? 1 : 0;
  return c;
}

int draws_passing(const TicketFilters& filters, const std::vector<PeriodDraw>& draws, int pool) {
  TicketFilters others = filters;
  others.new_only = false;
  std::vector<std::vector<int>> before;  // the main numbers of the draws so far, sorted
  int n = 0;
  for (const PeriodDraw& d : draws) {
    const bool seen = std::binary_search(before.begin(), before.end(), d.main);
    n += ticket_passes(others, d.main, pool, {}) && !(filters.new_only && seen);
    if (!seen) before.insert(std::lower_bound(before.begin(), before.end(), d.main), d.main);
  }
  return n;
}

}  // namespace ds
