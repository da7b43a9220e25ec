#include "analyses/statistics.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "lotto/draw_period.h"
#include "lotto/lotto_files.h"
#include "shell/fields.h"
#include "shell/files.h"
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

namespace {
// "less than 1 %", "47 %": how often a fair draw gives counts as far from the expected.
Text fair_share(double p_value) {
  const double percent = p_value * 100;
  return percent < 0.5 ? DS_TR("less than 1 %") : DS_TR("%1 %").arg(format_fixed(percent, 0));
}
}  // namespace

Text fair_draw_line(double p_value) {
  return DS_TR("These counts are what a fair draw gives %1 of the time.").arg(fair_share(p_value));
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
  if (measure == DrawMeasure::sum) {
    // ways[k][v]: the choices of k numbers among those walked so far that sum to v;
    // one walk gives every sum at once (a filter count per sum took half a second).
    std::vector<std::vector<std::uint64_t>> ways(game.drawn + 1, std::vector<std::uint64_t>(top + 1, 0));
    ways[0][0] = 1;
    for (int n = 1; n <= game.pool; ++n)
      for (int k = std::min(n, game.drawn); k >= 1; --k)
        for (int v = top; v >= n; --v) ways[k][v] += ways[k - 1][v - n];
    s.combinations = std::move(ways[game.drawn]);
    return s;
  }
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

double binomial_two_sided_p(int k, int n, double p) {
  if (n <= 0 || k < 0 || k > n) return 1;
  if (p <= 0) return k == 0 ? 1 : 0;
  if (p >= 1) return k == n ? 1 : 0;
  const double lp = std::log(p), lq = std::log1p(-p), front = std::lgamma(n + 1.0);
  const auto log_chance = [&](int i) {
    return front - std::lgamma(i + 1.0) - std::lgamma(n - i + 1.0) + i * lp + (n - i) * lq;
  };
  // Counts as likely as k up to rounding count as no likelier.
  const double edge = log_chance(k) + 1e-7;
  double sum = 0;
  for (int i = 0; i <= n; ++i)
    if (const double l = log_chance(i); l <= edge) sum += std::exp(l);
  return std::min(1.0, sum);
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
  c.p_value = binomial_two_sided_p(passed, draws, combinations_rate);
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

// ---- The Statistics window ----

namespace {

// "36.0 %" with the region's decimal sign.
std::string percent_text(double share, const NumberFormat& format) {
  std::string t = format_fixed(100 * share, 1);
  std::replace(t.begin(), t.end(), '.', format.decimal);
  return t + " %";
}

std::string decimal_text(double value, int decimals, const NumberFormat& format) {
  std::string t = format_fixed(value, decimals);
  std::replace(t.begin(), t.end(), '.', format.decimal);
  return t;
}

// "less than 1 %", "68 %": how often a fair draw gives what was seen.
std::string chance_text(double p_value) {
  return p_value * 100 < 0.5 ? std::string("less than 1 %") : format_fixed(100 * p_value, 0) + " %";
}

FilterGame filter_game(const LottoDefinition& game) { return {game.play_n, game.pick_n}; }

// The band width of a sum table: 1, 2, 5, 10, 20, 50 ... so that `span` values make
// at most about twenty bands.
int sum_band(int span) {
  for (int w = 1;; w *= 10)
    for (int m : {1, 2, 5})
      if (span <= 20 * m * w) return m * w;
}

Text pool_line(const std::vector<NumberStats>& stats, bool second) {
  const bool any =
      std::any_of(stats.begin(), stats.end(), [second](const NumberStats& s) { return s.second == second; });
  if (!any) return {};
  const Text share = fair_share(pool_chi_square(stats, second).p_value);
  return (second ? DS_TR("Second pool: these counts are what a fair draw gives %1 of the time.")
                 : DS_TR("Main numbers: these counts are what a fair draw gives %1 of the time."))
      .arg(share);
}

void fill_numbers(StatisticsModel& m) {
  const bool second = m.game.second_n > 0;
  TextGrid& g = m.numbers_grid;
  g = TextGrid(static_cast<int>(m.numbers.size()) + 1, 8);
  const char* heads[] = {DS_TR_NOOP("Number"),      DS_TR_NOOP("Pool"),       DS_TR_NOOP("Drawn"),
                         DS_TR_NOOP("Bonus"),       DS_TR_NOOP("Expected"),   DS_TR_NOOP("Last drawn"),
                         DS_TR_NOOP("Draws since"), DS_TR_NOOP("Longest gap")};
  for (int c = 0; c < 8; ++c) g.set_cell(0, c, heads[c]);
  if (!second) g.set_col_width(1, TextGrid::hidden);
  if (m.game.bonus_n == 0) g.set_col_width(3, TextGrid::hidden);
  for (std::size_t i = 0; i < m.numbers.size(); ++i) {
    const NumberStats& s = m.numbers[i];
    const int r = static_cast<int>(i) + 1;
    g.set_cell(r, 0, std::to_string(s.number));
    g.set_cell(r, 1, s.second ? "Second" : "Main");
    g.set_cell(r, 2, std::to_string(s.drawn));
    g.set_cell(r, 3, s.second ? "" : std::to_string(s.bonus));
    g.set_cell(r, 4, decimal_text(s.expected, 1, m.number_format));
    g.set_cell(r, 5, s.last ? format_date(*s.last, m.date_format) : "");
    g.set_cell(r, 6, std::to_string(s.since));
    g.set_cell(r, 7, std::to_string(s.longest_gap));
  }
}

void fill_pairs(StatisticsModel& m) {
  const int draws = static_cast<int>(m.period.draws.size());
  m.pairs = pair_counts(m.period.draws, m.game.play_n);
  m.pair_expected = expected_pair_count(draws, m.game.play_n, m.game.pick_n);
  const std::string expected = decimal_text(m.pair_expected, 1, m.number_format);
  m.pairs_grid = TextGrid(static_cast<int>(m.pairs.size()) + 1, 4);
  const char* heads[] = {DS_TR_NOOP("First"), DS_TR_NOOP("Second"), DS_TR_NOOP("Draws"),
                         DS_TR_NOOP("Expected")};
  for (int c = 0; c < 4; ++c) m.pairs_grid.set_cell(0, c, heads[c]);
  for (std::size_t i = 0; i < m.pairs.size(); ++i) {
    const PairCount& p = m.pairs[i];
    const int r = static_cast<int>(i) + 1;
    m.pairs_grid.set_cell(r, 0, std::to_string(p.a));
    m.pairs_grid.set_cell(r, 1, std::to_string(p.b));
    m.pairs_grid.set_cell(r, 2, std::to_string(p.count));
    m.pairs_grid.set_cell(r, 3, expected);
  }
  const auto extremes = [&](TextGrid& g, bool most) {
    const std::vector<PairCount> top = extreme_pairs(m.pairs, 15, most);
    g = TextGrid(static_cast<int>(top.size()) + 1, 2);
    g.set_cell(0, 0, DS_TR_NOOP("Pair"));
    g.set_cell(0, 1, DS_TR_NOOP("Draws"));
    for (std::size_t i = 0; i < top.size(); ++i) {
      g.set_cell(static_cast<int>(i) + 1, 0, std::to_string(top[i].a) + " and " + std::to_string(top[i].b));
      g.set_cell(static_cast<int>(i) + 1, 1, std::to_string(top[i].count));
    }
  };
  extremes(m.pairs_most, true);
  extremes(m.pairs_least, false);
}

void fill_spread(StatisticsModel& m) {
  m.spread = spread_rows(m.view, m.period.draws, filter_game(m.game));
  const bool repeats = m.view == SpreadView::repeats;
  TextGrid& g = m.spread_grid;
  g = TextGrid(static_cast<int>(m.spread.size()) + 1, 5);
  const char* value_heads[] = {"Sum", "Odd numbers", "Low numbers", "Longest run", "Repeated numbers"};
  g.set_cell(0, 0, value_heads[static_cast<int>(m.view)]);
  g.set_cell(0, 1, DS_TR_NOOP("Draws"));
  g.set_cell(0, 2, DS_TR_NOOP("Share of draws"));
  g.set_cell(0, 3, DS_TR_NOOP("Combinations"));
  g.set_cell(0, 4, repeats ? "Chance" : "Share of combinations");
  if (repeats) g.set_col_width(3, TextGrid::hidden);
  for (std::size_t i = 0; i < m.spread.size(); ++i) {
    const SpreadRow& s = m.spread[i];
    const int r = static_cast<int>(i) + 1;
    g.set_cell(r, 0, s.value);
    g.set_cell(r, 1, std::to_string(s.draws));
    g.set_cell(r, 2, percent_text(s.draws_share, m.number_format));
    g.set_cell(r, 3, s.combinations < 0 ? "" : format_fixed(s.combinations, 0));
    g.set_cell(r, 4, percent_text(s.chance, m.number_format));
  }
}

void fill_rates(StatisticsModel& m) {
  TextGrid& g = m.rates_grid;
  g = TextGrid(static_cast<int>(m.rates.size()) + 1, 7);
  const char* heads[] = {DS_TR_NOOP("Filter"),
                         DS_TR_NOOP("Draws passing"),
                         DS_TR_NOOP("Share of draws"),
                         DS_TR_NOOP("95 % interval"),
                         DS_TR_NOOP("Combinations passing"),
                         DS_TR_NOOP("Share of combinations"),
                         DS_TR_NOOP("Chance of the difference")};
  for (int c = 0; c < 7; ++c) g.set_cell(0, c, heads[c]);
  for (std::size_t i = 0; i < m.rates.size(); ++i) {
    const FilterRate& f = m.rates[i];
    const int r = static_cast<int>(i) + 1;
    const bool any = f.draws > 0;
    g.set_cell(r, 0, f.filter);
    g.set_cell(r, 1, std::to_string(f.passed) + " of " + std::to_string(f.draws));
    g.set_cell(r, 2, any ? percent_text(f.check.draws_rate, m.number_format) : "");
    g.set_cell(r, 3,
               any ? percent_text(f.check.low, m.number_format) + " to " +
                         percent_text(f.check.high, m.number_format)
                   : "");
    g.set_cell(r, 4, std::to_string(f.passing) + " of " + format_fixed(f.combinations, 0));
    g.set_cell(r, 5, percent_text(f.check.combinations_rate, m.number_format));
    g.set_cell(r, 6, any ? chance_text(f.check.p_value) : "");
    g.set_bold(r, 0, f.filter == "All together");
  }
  m.rates_text = m.rates.empty() ? "" : filter_rate_text(m.rates.back(), m.number_format);
}

}  // namespace

std::vector<SpreadRow> spread_rows(SpreadView view, const std::vector<PeriodDraw>& draws,
                                   const FilterGame& game) {
  std::vector<SpreadRow> rows;
  const double total = static_cast<double>(draws.size());
  if (view == SpreadView::repeats) {
    const Repeats r = repeats_from_previous(draws, game);
    const double pairs = draws.size() > 1 ? total - 1 : 0;  // draws with one before them
    for (std::size_t k = 0; k < r.draws.size(); ++k)
      rows.push_back({std::to_string(k), r.draws[k], pairs > 0 ? r.draws[k] / pairs : 0, -1, r.chance[k]});
    return rows;
  }
  const Spread s = measure_spread(static_cast<DrawMeasure>(view), draws, game);
  const double all = ways_to_choose(game.pool, game.drawn);
  // Only the values a ticket can have: from the first to the last any combination has.
  int first = 0, last = static_cast<int>(s.combinations.size()) - 1;
  while (first < last && s.combinations[first] == 0) ++first;
  while (last > first && s.combinations[last] == 0) --last;
  const int width = view == SpreadView::sum ? sum_band(last - first + 1) : 1;
  for (int start = first / width * width; start <= last; start += width) {
    SpreadRow row;
    row.value =
        width == 1 ? std::to_string(start) : std::to_string(start) + "-" + std::to_string(start + width - 1);
    row.combinations = 0;
    for (int v = std::max(start, first); v < start + width && v <= last; ++v) {
      row.draws += s.draws[v];
      row.combinations += static_cast<double>(s.combinations[v]);
    }
    row.draws_share = total > 0 ? row.draws / total : 0;
    row.chance = all > 0 ? row.combinations / all : 0;
    rows.push_back(std::move(row));
  }
  return rows;
}

TypedFilters read_typed_filters(std::string_view text, const FilterGame& game) {
  TypedFilters t;
  std::string current;
  const auto finish = [&] {
    if (current.empty()) return;
    t.expressions.push_back(current);
    current.clear();
  };
  for (const char ch : text) {
    const bool apart = ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == ';';
    if (!apart) {
      current += ch;
    } else if (ch == ';' || ch == '\n' || ch == '\r' ||
               (!current.empty() && current.back() != ':' && current.back() != ',')) {
      finish();
    }
  }
  finish();
  for (const std::string& e : t.expressions) {
    TicketFilters one;
    if (std::string why = add_filter(e, game, one); !why.empty()) {
      t.message = std::move(why);
      return t;
    }
    // One filter may be sound alone and refused beside another (include:1 with exclude:1).
    if (std::string why = add_filter(e, game, t.all); !why.empty()) {
      t.message = std::move(why);
      return t;
    }
    t.each.push_back(std::move(one));
  }
  return t;
}

std::vector<FilterRate> filter_rates(const TypedFilters& filters, const std::vector<PeriodDraw>& draws,
                                     const FilterGame& game) {
  std::vector<FilterRate> out;
  const PastDraws past = past_main_draws(draws);
  const double all = ways_to_choose(game.pool, game.drawn);
  const auto rate = [&](const std::string& name, const TicketFilters& f) {
    FilterRate r;
    r.filter = name;
    r.draws = static_cast<int>(draws.size());
    r.passed = draws_passing(f, draws, game.pool);
    r.passing = count_passing(f, game, past);
    r.combinations = all;
    r.check = check_pass_rate(r.passed, r.draws, all > 0 ? static_cast<double>(r.passing) / all : 0);
    out.push_back(std::move(r));
  };
  for (std::size_t i = 0; i < filters.each.size(); ++i) rate(filters.expressions[i], filters.each[i]);
  if (filters.each.size() > 1) rate("All together", filters.all);
  return out;
}

std::string filter_rate_text(const FilterRate& r, const NumberFormat& format) {
  const std::string what = r.filter == "All together" ? "all the filters together" : r.filter;
  std::string t = "Of all " + format_fixed(r.combinations, 0) + " combinations, " +
                  std::to_string(r.passing) + " pass " + what + ": " +
                  percent_text(r.check.combinations_rate, format) + ". ";
  if (r.draws == 0) {
    t += "The period holds no draw to set beside them.";
  } else {
    t += "Of the period's " + std::to_string(r.draws) + " draws, " + std::to_string(r.passed) +
         " passed: " + percent_text(r.check.draws_rate, format) + " (95 % interval " +
         percent_text(r.check.low, format) + " to " + percent_text(r.check.high, format) +
         "). A fair draw gives a difference at least this large " + chance_text(r.check.p_value) +
         " of the time: " +
         (r.check.p_value < 0.05 ? "more than chance usually gives (check the draws of the period)."
                                 : "no more than chance.");
  }
  return t +
         "\nFor a fair draw both rates agree: a filter changes which tickets are played, not the chance of "
         "each.";
}

StatisticsModel::StatisticsModel(const DateFormat& date_format, const NumberFormat& number_format)
    : date_format(date_format), number_format(number_format) {
  StatisticsModel& m = *this;
  fill_numbers(m);
  m.pairs_most = m.pairs_least = m.pairs_grid = TextGrid(1, 2);
  m.pairs_most.set_cell(0, 0, DS_TR_NOOP("Pair"));
  m.pairs_most.set_cell(0, 1, DS_TR_NOOP("Draws"));
  m.pairs_least = m.pairs_most;
  fill_spread(m);
  fill_rates(m);
}

StatisticsLoad statistics_open(StatisticsModel& model, const AppState& state, const TextGrid* draws,
                               DayNumber today) {
  StatisticsLoad load;
  model.lotto_name = state.lotto_name;
  model.game = state.lotto;
  model.history = TextGrid();
  model.period = {};
  load.lotto_label = state.lotto_name.empty() ? "Not selected" : state.lotto_name;
  if (!state.lotto_name.empty()) {
    if (draws) {
      model.history = *draws;
    } else if (file_exists(state.app_folder / "Games" / state.lotto_name / "draws.txt")) {
      const ReadDrawsResult read = read_draws(state.app_folder / "Games", state.lotto_name, model.history,
                                              state.date_format, state.lotto);
      if (read.stopped)
        load.message = "The draws of '" + state.lotto_name + "' cannot be read: " + read.message;
    }
  }
  DayNumber from = today, to = today;
  const DrawPeriodCount c = count_draws_in_period(model.history, 0, 0, model.date_format);
  if (c.dated > 0) {
    from = c.first;
    to = c.last;
  }
  load.from_text = format_date(from, model.date_format);
  load.to_text = format_date(to, model.date_format);
  return load;
}

StatisticsOutcome statistics_go(StatisticsModel& model, const StatisticsForm& form) {
  StatisticsOutcome out;
  const MessageCatalogue& m = messages();
  if (model.lotto_name.empty()) {
    out.message = m.select_lotto;
    out.show = WindowId::lotto;
    return out;
  }
  const auto from = check_date(form.from_text, model.date_format);
  if (!from) {
    out.message = m.incorrect_date;
    out.focus = StatisticsFocus::from;
    return out;
  }
  const auto to = check_date(form.to_text, model.date_format);
  if (!to) {
    out.message = m.incorrect_date;
    out.focus = StatisticsFocus::to;
    return out;
  }
  if (*from > *to) {
    out.message = "The period ends before it starts: give a From date on or before the To date.";
    out.focus = StatisticsFocus::to;
    return out;
  }
  model.period = period_draws(model.history, model.game, model.date_format, *from, *to);
  model.period_label = form.from_text + " to " + form.to_text;
  model.numbers = number_statistics(model.period.draws, model.game);
  fill_numbers(model);
  model.fair_main = pool_line(model.numbers, false);
  model.fair_second = pool_line(model.numbers, true);
  fill_pairs(model);
  fill_spread(model);
  const TypedFilters typed = read_typed_filters(form.filters_text, filter_game(model.game));
  model.rates.clear();
  if (typed.message.empty()) model.rates = filter_rates(typed, model.period.draws, filter_game(model.game));
  fill_rates(model);
  out.shown = true;
  if (!typed.message.empty()) {
    out.message = typed.message;
    out.focus = StatisticsFocus::filters;
  }
  const Text period = draws_in_period_message(model.history, *from, *to, model.date_format);
  if (model.period.skipped == 1)
    out.status = DS_TR("%1 1 of them is left out: its numbers are no draw of the game.").arg(period);
  else if (model.period.skipped > 1)
    out.status = DS_TR("%1 %2 of them are left out: their numbers are no draw of the game.")
                     .arg(period)
                     .arg(model.period.skipped);
  else
    out.status = period;
  out.status_stays = true;
  return out;
}

void statistics_spread(StatisticsModel& model, SpreadView view) {
  model.view = view;
  fill_spread(model);
}

double numbers_sort_value(const StatisticsModel& model, int row, int column) {
  const std::size_t i = static_cast<std::size_t>(row - 1);
  if (row < 1 || i >= model.numbers.size()) return 0;
  const NumberStats& s = model.numbers[i];
  switch (column) {
    case 0:
      return s.number + (s.second ? 1000 : 0);
    case 1:
      return (s.second ? 1000 : 0) + s.number;
    case 2:
      return s.drawn;
    case 3:
      return s.bonus;
    case 4:
      return s.expected;
    case 5:
      return s.last ? static_cast<double>(*s.last) : -1;
    case 6:
      return s.since;
    case 7:
      return s.longest_gap;
  }
  return 0;
}

std::string pair_tip(const StatisticsModel& model, int a, int b) {
  if (a > b) std::swap(a, b);
  const int pool = model.game.play_n;
  if (a < 1 || b > pool || a == b) return "";
  // (1,2) .. (1,pool), (2,3) ..: the pairs before a start at (a-1)(2 pool - a) / 2.
  const std::size_t index = static_cast<std::size_t>((a - 1) * (2 * pool - a) / 2 + (b - a - 1));
  const int count = index < model.pairs.size() ? model.pairs[index].count : 0;
  return std::to_string(a) + " and " + std::to_string(b) + ": " + std::to_string(count) +
         (count == 1 ? " draw" : " draws") +
         " (chance: " + decimal_text(model.pair_expected, 1, model.number_format) + ")";
}

const TextGrid& statistics_table(const StatisticsModel& model, StatisticsTab tab) {
  switch (tab) {
    case StatisticsTab::numbers:
      return model.numbers_grid;
    case StatisticsTab::pairs:
      return model.pairs_grid;
    case StatisticsTab::spreads:
      return model.spread_grid;
    case StatisticsTab::filters:
      break;
  }
  return model.rates_grid;
}

std::string statistics_file_name(const StatisticsModel& model, StatisticsTab tab) {
  const char* what[] = {"numbers", "pairs", "spread", "filters"};
  return "statistics-" + std::string(what[static_cast<int>(tab)]) + "-" +
         (model.lotto_name.empty() ? std::string("lotto") : model.lotto_name) + ".csv";
}

PrintOutcome print_statistics(const StatisticsModel& model, StatisticsTab tab) {
  PrintOutcome r;
  const TextGrid& table = statistics_table(model, tab);
  if (table.rows() < 2) {
    r.message = model.lotto_name.empty() ? messages().select_lotto
                                         : "There is nothing to print yet: choose a period, then Go.";
    return r;
  }
  const char* titles[] = {DS_TR_NOOP("Numbers"), DS_TR_NOOP("Pairs"), DS_TR_NOOP("Spreads"),
                          DS_TR_NOOP("Filters")};
  const std::string title = std::string("Statistics: ") + titles[static_cast<int>(tab)];
  r.title = "Print Statistics";
  r.document = title;
  std::string h = "<html><body><h1>" + html_escape(title) + "</h1><p><b>Lotto</b> " +
                  html_escape(model.lotto_name) + "<br><b>Period</b> " + html_escape(model.period_label) +
                  " (" + std::to_string(model.period.draws.size()) + " draws)</p>";
  const auto para = [&h](const std::string& text) {
    for (const auto line : split_lines(text))
      if (!line.empty()) h += "<p>" + html_escape(line) + "</p>";
  };
  const auto grid = [&h](const TextGrid& g) {
    h += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">";
    for (int row = 0; row < g.rows(); ++row) {
      const char* cell = row == 0 ? "th" : "td";
      h += "<tr>";
      for (int c = 0; c < g.cols(); ++c)
        if (g.col_width(c) != TextGrid::hidden)
          h += std::string("<") + cell + ">" + html_escape(g.cell(row, c)) + "</" + cell + ">";
      h += "</tr>";
    }
    h += "</table>";
  };
  switch (tab) {
    case StatisticsTab::numbers:
      para(model.fair_main.english() + "\n" + model.fair_second.english());
      grid(model.numbers_grid);
      break;
    case StatisticsTab::pairs:
      para("Chance gives each pair " + decimal_text(model.pair_expected, 1, model.number_format) + " draws.");
      h += "<h2>Most often</h2>";
      grid(model.pairs_most);
      h += "<h2>Least often</h2>";
      grid(model.pairs_least);
      break;
    case StatisticsTab::spreads:
      grid(model.spread_grid);
      break;
    case StatisticsTab::filters:
      grid(model.rates_grid);
      para(model.rates_text);
      break;
  }
  r.html = h + "</body></html>";
  return r;
}

}  // namespace ds
